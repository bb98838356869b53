#pragma once

#include <string>
#include <vector>

namespace cw {

// One line of a project's revision table.
struct ProjectRevision {
    std::string revision;
    std::string date;
    std::string description;
    bool operator==(const ProjectRevision&) const = default;
};

// Who and what a calculation is for, as its title page and page headers name them. A bay file
// keeps it with the bay; a schedule takes it from a project file.
struct ProjectData {
    std::string name;
    std::string site;
    std::string client;
    std::string engineer;
    std::string checker;
    std::vector<ProjectRevision> revisions;

    bool empty() const {
        return name.empty() && site.empty() && client.empty() && engineer.empty() &&
               checker.empty() && revisions.empty();
    }
    bool operator==(const ProjectData&) const = default;
};

}  // namespace cw
