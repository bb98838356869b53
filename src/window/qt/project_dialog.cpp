#include "window/qt/project_dialog.h"

#include "text/messages.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cw::gui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The five lines in their order, each with its caption and the name a test finds it by.
struct ProjectLine {
    std::string ProjectData::*text;
    Message caption;
    const char* objectName;
};
constexpr std::array<ProjectLine, 5> kLines = {{
    {&ProjectData::name, Message::ProjectName, "projectName"},
    {&ProjectData::site, Message::ProjectSite, "projectSite"},
    {&ProjectData::client, Message::ProjectClient, "projectClient"},
    {&ProjectData::engineer, Message::ProjectEngineer, "projectEngineer"},
    {&ProjectData::checker, Message::ProjectChecker, "projectChecker"},
}};
constexpr std::array<std::string ProjectRevision::*, 3> kColumns = {
    &ProjectRevision::revision, &ProjectRevision::date, &ProjectRevision::description};

}  // namespace

ProjectDialog::ProjectDialog(const ProjectData& project, Language language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("projectDialog"));
    setWindowTitle(qs(say(Message::ProjectDialogTitle, language)));
    auto* layout = new QVBoxLayout(this);
    auto* lines = new QFormLayout;
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        auto* edit = new QLineEdit(qs(project.*kLines[i].text), this);
        edit->setObjectName(QString::fromLatin1(kLines[i].objectName));
        edit->setCursorPosition(0);
        m_fields[i] = edit;
        auto* label = new QLabel(qs(say(kLines[i].caption, language)), this);
        label->setBuddy(edit);
        lines->addRow(label, edit);
    }
    layout->addLayout(lines);

    layout->addWidget(new QLabel(qs(say(Message::ProjectRevisions, language)), this));
    m_revisions = new QTableWidget(0, int(kColumns.size()), this);
    m_revisions->setObjectName(QStringLiteral("projectRevisions"));
    m_revisions->setHorizontalHeaderLabels({qs(say(Message::ProjectRevision, language)),
                                            qs(say(Message::ProjectRevisionDate, language)),
                                            qs(say(Message::ProjectRevisionDescription, language))});
    m_revisions->verticalHeader()->setVisible(false);
    m_revisions->horizontalHeader()->setStretchLastSection(true);
    m_revisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_revisions->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::SelectedClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    for (const ProjectRevision& revision : project.revisions)
        addRevision(revision);
    layout->addWidget(m_revisions);

    auto* rowButtons = new QHBoxLayout;
    m_add = new QPushButton(qs(say(Message::ProjectAddRevision, language)), this);
    m_add->setObjectName(QStringLiteral("addRevision"));
    m_remove = new QPushButton(qs(say(Message::ProjectRemoveRevision, language)), this);
    m_remove->setObjectName(QStringLiteral("removeRevision"));
    // Neither takes Enter: Enter in a line is OK.
    m_add->setAutoDefault(false);
    m_remove->setAutoDefault(false);
    rowButtons->addWidget(m_add);
    rowButtons->addWidget(m_remove);
    rowButtons->addStretch();
    layout->addLayout(rowButtons);
    connect(m_add, &QPushButton::clicked, this, [this] {
        addRevision({});
        const int row = m_revisions->rowCount() - 1;
        m_revisions->setCurrentCell(row, 0);
        m_revisions->editItem(m_revisions->item(row, 0));
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_revisions->currentRow();
        if (row >= 0)
            m_revisions->removeRow(row);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(say(Message::Cancel, language)));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

void ProjectDialog::addRevision(const ProjectRevision& revision) {
    const int row = m_revisions->rowCount();
    m_revisions->insertRow(row);
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        m_revisions->setItem(row, int(c), new QTableWidgetItem(qs(revision.*kColumns[c])));
}

ProjectData ProjectDialog::project() const {
    ProjectData out;
    for (std::size_t i = 0; i < kLines.size(); ++i)
        out.*kLines[i].text = m_fields[i]->text().toStdString();
    for (int row = 0; row < m_revisions->rowCount(); ++row) {
        ProjectRevision revision;
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            if (const QTableWidgetItem* item = m_revisions->item(row, int(c)))
                revision.*kColumns[c] = item->text().toStdString();
        out.revisions.push_back(std::move(revision));
    }
    return out;
}

}  // namespace cw::gui
