#pragma once

// The project file: who and what a calculation package is for, as JSON a person writes once
// per project and hands to every report of it.
//
//   {
//       "name": "Harbour Offices, block B",
//       "site": "Quay 4, Piraeus",
//       "client": "...", "engineer": "...", "checker": "...",
//       "revisions": [{"revision": "A", "date": "2026-03-02", "description": "First issue"}]
//   }
//
// "name" is required and not empty; every other key may be left out. A key the program does
// not know is refused rather than dropped, so that a misspelt "engineer" never vanishes from
// the title page unnoticed.

#include "bay/project.h"
#include "text/language.h"

#include <QByteArray>

#include <optional>
#include <string>

namespace cw::files {

enum class ProjectFileFault {
    Unreadable,
    TooLarge,
    NotJson,     // offset: the byte where the JSON breaks off
    NotObject,   // the document is not one object
    NoName,      // "name" missing or empty
    NotText,     // field: a key whose value is not a text
    NotList,     // "revisions" is not a list of objects
    UnknownKey,  // field: the key
};

struct ProjectFileError {
    ProjectFileFault fault = ProjectFileFault::Unreadable;
    std::string field;  // "engineer", "revisions[2].date"
    long long offset = 0;
};

struct ProjectFileResult {
    std::optional<ProjectData> project;
    std::optional<ProjectFileError> error;
};

ProjectFileResult readProjectFile(const std::string& path);
ProjectFileResult parseProjectJson(const QByteArray& json);

// The one message a refused project file gives, naming the file and the fault.
std::string projectFileErrorMessage(const ProjectFileError& error, const std::string& path,
                                    Language language);

}  // namespace cw::files
