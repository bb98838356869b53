#include "files/project_file.h"

#include "text/messages.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <string>

namespace cw::files {
namespace {

TEST(ProjectFile, TheShippedExampleReadsWhole) {
    const ProjectFileResult r = readProjectFile(CW_SOURCE_DIR "/examples/project.json");
    ASSERT_TRUE(r.project) << projectFileErrorMessage(*r.error, "project.json", Language::English);
    EXPECT_EQ(r.project->name, "Harbour Offices, block B (example)");
    EXPECT_EQ(r.project->checker, "N. Georgiou, civil engineer");
    ASSERT_EQ(r.project->revisions.size(), 2U);
    EXPECT_EQ(r.project->revisions[1].revision, "B");
    EXPECT_EQ(r.project->revisions[1].date, "2026-04-15");
}

TEST(ProjectFile, OnlyTheNameIsRequiredAndTextsAreTrimmed) {
    const ProjectFileResult r = parseProjectJson(R"({"name": "  Tower  ", "revisions": []})");
    ASSERT_TRUE(r.project);
    EXPECT_EQ(r.project->name, "Tower");
    EXPECT_TRUE(r.project->site.empty());
    EXPECT_TRUE(r.project->revisions.empty());
}

struct BadCase {
    const char* name;
    const char* json;
    ProjectFileFault fault;
    const char* field;        // named in the message where not empty
    const char* englishPart;  // a piece of the English message
};

class ProjectFileRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(ProjectFileRefused, WithOneMessageNamingTheFileAndTheFault) {
    const BadCase& c = GetParam();
    const ProjectFileResult r = parseProjectJson(QByteArray(c.json));
    ASSERT_FALSE(r.project);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->fault, c.fault);
    EXPECT_EQ(r.error->field, c.field);
    for (Language language : {Language::Greek, Language::English}) {
        const std::string m = projectFileErrorMessage(*r.error, "site/p.json", language);
        EXPECT_NE(m.find("site/p.json"), std::string::npos) << m;
        if (*c.field) {
            EXPECT_NE(m.find(c.field), std::string::npos) << m;
        }
        EXPECT_EQ(m.find('\n'), std::string::npos) << "one line: " << m;
    }
    const std::string english = projectFileErrorMessage(*r.error, "p.json", Language::English);
    EXPECT_NE(english.find(c.englishPart), std::string::npos) << english;
    // The Greek sentence is its own, not the English one.
    EXPECT_NE(projectFileErrorMessage(*r.error, "p.json", Language::Greek), english);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectFileRefused,
    ::testing::Values(
        BadCase{"broken_json", R"({"name": "A",)", ProjectFileFault::NotJson, "", "not valid JSON"},
        BadCase{"a_list", R"(["A"])", ProjectFileFault::NotObject, "", "one JSON object"},
        BadCase{"no_name", R"({"site": "Quay 4"})", ProjectFileFault::NoName, "name",
                "no project name"},
        BadCase{"empty_name", R"({"name": "   "})", ProjectFileFault::NoName, "name",
                "no project name"},
        BadCase{"name_a_number", R"({"name": 12})", ProjectFileFault::NotText, "name", "a text"},
        BadCase{"engineer_null", R"({"name": "A", "engineer": null})", ProjectFileFault::NotText,
                "engineer", "a text"},
        BadCase{"misspelt_key", R"({"name": "A", "enginer": "E"})", ProjectFileFault::UnknownKey,
                "enginer", "unknown key"},
        BadCase{"revisions_an_object", R"({"name": "A", "revisions": {"revision": "A"}})",
                ProjectFileFault::NotList, "revisions", "list of objects"},
        BadCase{"revision_a_text", R"({"name": "A", "revisions": [{"revision": "A"}, "B"]})",
                ProjectFileFault::NotList, "revisions[2]", "list of objects"},
        BadCase{"revision_date_a_number",
                R"({"name": "A", "revisions": [{"revision": "A", "date": 20260302}]})",
                ProjectFileFault::NotText, "revisions[1].date", "a text"},
        BadCase{"revision_unknown_key", R"({"name": "A", "revisions": [{"rev": "A"}]})",
                ProjectFileFault::UnknownKey, "revisions[1].rev", "unknown key"}),
    [](const ::testing::TestParamInfo<BadCase>& row) { return std::string(row.param.name); });

TEST(ProjectFile, AMissingFileIsUnreadable) {
    const ProjectFileResult r = readProjectFile("/nonexistent/project.json");
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->fault, ProjectFileFault::Unreadable);
}

}  // namespace
}  // namespace cw::files
