#pragma once

#include "bay/project.h"
#include "text/language.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QTableWidget;
class QPushButton;

namespace cw::gui {

// File → Project…: who the bay is for (five lines) and its revisions (a table whose rows are
// added and removed), in the language showing, with OK and Cancel. The dialog only shows and
// gathers; the window stores what OK gives.
class ProjectDialog final : public QDialog {
public:
    ProjectDialog(const ProjectData& project, Language language, QWidget* parent = nullptr);

    // The project as the dialog holds it now.
    ProjectData project() const;

    QTableWidget* revisionTable() const { return m_revisions; }
    QPushButton* addRevisionButton() const { return m_add; }
    QPushButton* removeRevisionButton() const { return m_remove; }

private:
    void addRevision(const ProjectRevision& revision);

    // Name, site, client, engineer, checker.
    std::array<QLineEdit*, 5> m_fields{};
    QTableWidget* m_revisions = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
};

}  // namespace cw::gui
