#include "input/project_details.h"

#include <algorithm>
#include <utility>

namespace cw {

bool setProject(WindowState& w, ProjectData project) {
    std::erase_if(project.revisions, [](const ProjectRevision& r) {
        return r.revision.empty() && r.date.empty() && r.description.empty();
    });
    if (project == w.project)
        return false;
    w.project = std::move(project);
    return true;
}

}  // namespace cw
