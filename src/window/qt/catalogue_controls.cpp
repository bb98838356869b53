#include "window/qt/catalogue_controls.h"

#include "document/catalogue_commands.h"
#include "files/catalogue_file.h"
#include "model/choices.h"
#include "text/messages.h"
#include "window/qt/widget_look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSettings>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace cw::gui {

namespace {

// Under the series options, above the static systems.
constexpr TwipRect kComboBox{240, 3045, 2415, 300};
// Each remembered catalogue as its path, the hash it had and its name, tab-separated.
constexpr const char* kSettingsKey = "catalogues";

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

std::string ss(const QString& s) {
    return s.toStdString();
}

}  // namespace

CatalogueControls::CatalogueControls(QMainWindow& window, QWidget& page, qreal dpi, Form& form,
                                     QMenu& fileMenu, std::function<void()> afterEvent)
    : QObject(&window), m_window(window), m_form(form), m_afterEvent(std::move(afterEvent)) {
    m_action = new QAction(&window);
    m_action->setObjectName(QStringLiteral("cataloguesAction"));
    // After the bay files, before the separator above the export.
    QAction* before = nullptr;
    for (QAction* a : fileMenu.actions())
        if (a->isSeparator()) {
            before = a;
            break;
        }
    fileMenu.insertAction(before, m_action);
    connect(m_action, &QAction::triggered, this, [this] { openDialog(); });

    m_combo = new QComboBox(&page);
    m_combo->setObjectName(QStringLiteral("catalogueChoice"));
    m_combo->setGeometry(toPixels(kComboBox, dpi));
    m_combo->setFocusPolicy(Qt::StrongFocus);
    connect(m_combo, &QComboBox::activated, this, [this](int item) {
        if (!m_filling)
            choose(item - 1);
    });

    // The window finds a bay's catalogue in the list, by its content.
    m_form.state().findCatalogue =
        [this](const CatalogueRef& ref) -> std::optional<ChosenCatalogue> {
        for (const Entry& e : m_entries)
            if (e.chosen.ref.sha256 == ref.sha256)
                return e.chosen;
        return std::nullopt;
    };
}

int CatalogueControls::addFile(const QString& path) {
    files::CatalogueOpening opening =
        files::openCatalogueFile(ss(path), m_form.state().languageShowing());
    if (!opening.chosen) {
        m_form.state().message(std::move(opening.message));
        return -1;
    }
    Entry entry;
    const Catalogue& c = *opening.chosen->catalogue;
    entry.mullions = int(c.mullions.size());
    entry.transoms = int(c.transoms.size() + c.shortUpperSpanTransoms.size());
    entry.chosen = std::move(*opening.chosen);
    // The same file again replaces its entry.
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].chosen.ref.path == entry.chosen.ref.path) {
            m_entries[i] = std::move(entry);
            return int(i);
        }
    m_entries.push_back(std::move(entry));
    return int(m_entries.size()) - 1;
}

void CatalogueControls::choose(int index) {
    WindowState& w = m_form.state();
    if (index < 0 || std::size_t(index) >= m_entries.size())
        chooseSeriesOptions(w);
    else
        chooseCatalogue(w, m_entries[std::size_t(index)].chosen);
    m_afterEvent();
}

void CatalogueControls::remember() const {
    QStringList list;
    for (const Entry& e : m_entries)
        list << qs(e.chosen.ref.path) + QLatin1Char('\t') + qs(e.chosen.ref.sha256) +
                    QLatin1Char('\t') + qs(e.chosen.ref.name);
    QSettings().setValue(QString::fromLatin1(kSettingsKey), list);
}

void CatalogueControls::checkRemembered() {
    const QStringList list = QSettings().value(QString::fromLatin1(kSettingsKey)).toStringList();
    const Language language = m_form.state().languageShowing();
    for (const QString& item : list) {
        const QStringList parts = item.split(QLatin1Char('\t'));
        if (parts.size() != 3)
            continue;
        const std::string path = ss(parts[0]);
        const std::string name = ss(parts[2]);
        if (!QFileInfo::exists(parts[0])) {
            m_form.state().message(say(Message::CatalogueMissing, language, {name, path}));
            continue;
        }
        const int index = addFile(parts[0]);
        if (index >= 0 && m_entries[std::size_t(index)].chosen.ref.sha256 != ss(parts[1]))
            m_form.state().message(say(Message::CatalogueChanged, language, {name, path}));
    }
    remember();
    m_afterEvent();
}

void CatalogueControls::fillCombo(Language language) {
    const QScopedValueRollback<bool> guard(m_filling, true);
    const QSignalBlocker block(m_combo);
    m_combo->clear();
    m_combo->addItem(qs(say(Message::CatalogueChoiceSeries, language)));
    for (const Entry& e : m_entries)
        m_combo->addItem(qs(say(Message::CatalogueChoiceLabel, language)) + QLatin1Char(' ') +
                         qs(e.chosen.ref.name));
}

void CatalogueControls::mirror(Language language) {
    // A catalogue designed with that the list lacks (a bay's, read from the file it names or
    // chosen when that was missing) joins the list, so that the choice shows what designs.
    if (const auto& chosen = m_form.state().userCatalogue; chosen && chosen->catalogue) {
        const bool listed = std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) {
            return e.chosen.ref == chosen->ref;
        });
        if (!listed) {
            const Catalogue& c = *chosen->catalogue;
            m_entries.push_back({*chosen, int(c.mullions.size()),
                                 int(c.transoms.size() + c.shortUpperSpanTransoms.size())});
            remember();
        }
    }
    m_action->setText(qs(say(Message::MenuCatalogues, language)));
    fillCombo(language);
    int current = 0;
    if (const auto& chosen = m_form.state().userCatalogue)
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].chosen.ref == chosen->ref)
                current = int(i) + 1;
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(current);
}

void CatalogueControls::openDialog() {
    const Language language = m_form.state().languageShowing();
    QDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("cataloguesDialog"));
    dialog.setWindowTitle(qs(say(Message::CataloguesTitle, language)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(0, 5, &dialog);
    table->setObjectName(QStringLiteral("catalogueList"));
    table->setHorizontalHeaderLabels({qs(say(Message::CatalogueColumnName, language)),
                                      qs(say(Message::CatalogueColumnUse, language)),
                                      qs(say(Message::CatalogueColumnMullions, language)),
                                      qs(say(Message::CatalogueColumnTransoms, language)),
                                      qs(say(Message::CatalogueColumnFile, language))});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    const auto refill = [this, table, language] {
        table->setRowCount(int(m_entries.size()));
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            const int row = int(i);
            const bool sloped = e.chosen.catalogue->use == CatalogueUse::Sloped;
            table->setItem(row, 0, new QTableWidgetItem(qs(e.chosen.ref.name)));
            table->setItem(row, 1,
                           new QTableWidgetItem(qs(say(
                               sloped ? Message::CatalogueUseSloped : Message::CatalogueUseVertical,
                               language))));
            table->setItem(row, 2, new QTableWidgetItem(QString::number(e.mullions)));
            table->setItem(row, 3, new QTableWidgetItem(QString::number(e.transoms)));
            table->setItem(row, 4, new QTableWidgetItem(qs(e.chosen.ref.path)));
        }
        table->resizeColumnsToContents();
    };
    refill();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* open = buttons->addButton(qs(say(Message::CataloguesOpen, language)),
                                           QDialogButtonBox::ActionRole);
    QPushButton* remove = buttons->addButton(qs(say(Message::CataloguesRemove, language)),
                                             QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(open, &QPushButton::clicked, &dialog, [this, &dialog, refill, language] {
        const QStringList paths = QFileDialog::getOpenFileNames(
            &dialog, qs(say(Message::CataloguesTitle, language)), QString(),
            qs(say(Message::CataloguesFileFilter, language)));
        for (const QString& path : paths)
            addFile(QFileInfo(path).absoluteFilePath());
        remember();
        refill();
        m_afterEvent();
    });
    connect(remove, &QPushButton::clicked, &dialog, [this, table, refill] {
        const int row = table->currentRow();
        if (row < 0 || std::size_t(row) >= m_entries.size())
            return;
        m_entries.erase(m_entries.begin() + row);
        remember();
        refill();
        m_afterEvent();
    });
    layout->addWidget(buttons);
    dialog.resize(720, 320);
    dialog.exec();
}

}  // namespace cw::gui
