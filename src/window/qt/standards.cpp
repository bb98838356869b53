#include "window/qt/standards.h"

#include "model/choices.h"
#include "window/qt/widget_look.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace cw::gui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Beside the wind buttons, above the wind pressure's caption.
constexpr TwipRect kSiteWindButton{4200, 5520, 1935, 435};

}  // namespace

std::optional<SiteWindTexts> siteWindDialog(QWidget* parent, const SiteWindTexts& shown,
                                            Language language, const NumberFormat& fmt) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("siteWindDialog"));
    dialog.setWindowTitle(language == Language::English
                              ? QStringLiteral("Wind pressure of a site (EN 1991-1-4)")
                              : QStringLiteral("Ανεμοπίεση τόπου (EN 1991-1-4)"));
    auto* layout = new QFormLayout(&dialog);
    auto* intro = new QLabel(language == Language::English
                                 ? QStringLiteral("Apply writes w = qp(z) · |cpe − cpi| into "
                                                  "the wind pressure field and takes it.")
                                 : QStringLiteral("Η εφαρμογή γράφει w = qp(z) · |cpe − cpi| "
                                                  "στο πεδίο ανεμοπίεσης και τη χρησιμοποιεί."));
    intro->setWordWrap(true);
    layout->addRow(intro);
    std::array<QLineEdit*, kSiteWindEntries> edits{};
    QComboBox* category = nullptr;
    for (std::size_t i = 0; i < kSiteWindEntries; ++i) {
        const auto entry = SiteWindEntry(i);
        const QString caption = qs(siteWindCaption(entry, language));
        if (entry == SiteWindEntry::Category) {
            category = new QComboBox(&dialog);
            category->setObjectName(QStringLiteral("category"));
            category->addItems({"0", "I", "II", "III", "IV"});
            category->setCurrentText(qs(shown[i]));
            category->setAccessibleName(caption);
            layout->addRow(caption, category);
            continue;
        }
        edits[i] = new QLineEdit(qs(shown[i]), &dialog);
        edits[i]->setObjectName(QString::fromUtf8(siteWindKey(entry).data()));
        edits[i]->setAccessibleName(caption);
        layout->addRow(caption, edits[i]);
    }
    // qp and w as the entries are typed, so that a wrong entry shows before Apply.
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("siteWindPreview"));
    preview->setWordWrap(true);
    preview->setTextFormat(Qt::PlainText);
    const auto typed = [edits, category, shown] {
        SiteWindTexts texts = shown;
        for (std::size_t i = 0; i < kSiteWindEntries; ++i)
            texts[i] =
                edits[i] ? edits[i]->text().toStdString() : category->currentText().toStdString();
        return texts;
    };
    const auto showPreview = [preview, typed, fmt, language] {
        const QString line = QString::fromStdString(siteWindPreview(typed(), fmt, language));
        preview->setText(line);
        preview->setAccessibleName(line);
    };
    for (QLineEdit* edit : edits)
        if (edit)
            QObject::connect(edit, &QLineEdit::textChanged, &dialog, showPreview);
    QObject::connect(category, &QComboBox::currentTextChanged, &dialog, showPreview);
    showPreview();
    layout->addRow(preview);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
    QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
    apply->setText(language == Language::English ? QStringLiteral("Apply")
                                                 : QStringLiteral("Εφαρμογή"));
    // Enter applies, as in any dialog whose purpose is its one action.
    apply->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(language == Language::English ? QStringLiteral("Cancel")
                                                : QStringLiteral("Άκυρο"));
    QObject::connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, &dialog,
                     &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    // Wide enough for the whole title beside the title bar's buttons.
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                               .horizontalAdvance(dialog.windowTitle());
    dialog.setMinimumWidth(std::max(dialog.sizeHint().width(), titleWidth + 160));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return typed();
}

StandardsControls::StandardsControls(QMainWindow& window, QWidget& page, qreal dpi, Form& form,
                                     std::function<void()> afterEvent)
    : QObject(&window),
      ask([this](QWidget* parent, const SiteWindTexts& shown, Language language) {
          return siteWindDialog(parent, shown, language, m_form.numberFormat());
      }),
      m_window(window),
      m_form(form),
      m_afterEvent(std::move(afterEvent)) {
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("standardsMenu"));
    // Help stays the last menu.
    QAction* before = nullptr;
    for (QAction* a : window.menuBar()->actions())
        if (a->menu() && a->menu()->objectName() == QStringLiteral("helpMenu"))
            before = a;
    window.menuBar()->insertMenu(before, m_menu);
    auto* group = new QActionGroup(m_menu);
    m_2003 = m_menu->addAction(QString());
    m_2015 = m_menu->addAction(QString());
    for (QAction* a : {m_2003, m_2015}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    const auto choose = [this](DeflectionCriterion c) {
        chooseCriterion(m_form.state(), c);
        m_afterEvent();
    };
    connect(m_2003, &QAction::triggered, this,
            [choose] { choose(DeflectionCriterion::En13830_2003); });
    connect(m_2015, &QAction::triggered, this,
            [choose] { choose(DeflectionCriterion::En13830_2015); });
    m_menu->addSeparator();
    m_siteWindAction = m_menu->addAction(QString(), this, &StandardsControls::askSiteWind);

    m_button = new QPushButton(&page);
    m_button->setObjectName(QStringLiteral("siteWindButton"));
    m_button->setGeometry(toPixels(kSiteWindButton, dpi));
    // Last in the form's Tab chain (the window puts it there); Enter presses it as Space does.
    m_button->setFocusPolicy(Qt::StrongFocus);
    m_button->setAutoDefault(true);
    connect(m_button, &QPushButton::clicked, this, &StandardsControls::askSiteWind);
}

void StandardsControls::mirror(Language language) {
    const bool english = language == Language::English;
    m_menu->setTitle(english ? QStringLiteral("&Standards") : QStringLiteral("&Πρότυπα"));
    m_2003->setText(english ? QStringLiteral("EN 13830:2003 — L/d, at most 15 mm")
                            : QStringLiteral("EN 13830:2003 — L/d, το πολύ 15 mm"));
    // 7,5 m or 7.5 m as the regional settings write numbers, whatever the language.
    const QString span = QString::fromStdString("7" + m_form.numberFormat().decimal + "5");
    m_2015->setText(english ? QStringLiteral("EN 13830:2015+A1 — L/200 up to 3 m; 5 mm + L/300 "
                                             "up to %1 m; L/250 above")
                                  .arg(span)
                            : QStringLiteral("EN 13830:2015+A1 — L/200 έως 3 m· 5 mm + L/300 "
                                             "έως %1 m· L/250 πάνω από αυτό")
                                  .arg(span));
    const QString site = english ? QStringLiteral("Site wind…") : QStringLiteral("Άνεμος τόπου…");
    m_siteWindAction->setText(site);
    m_button->setText(site);
    m_button->setToolTip(language == Language::English
                             ? QStringLiteral("Wind pressure of a site after EN 1991-1-4")
                             : QStringLiteral("Ανεμοπίεση τόπου κατά EN 1991-1-4"));
    const bool is2015 = m_form.state().criterion == DeflectionCriterion::En13830_2015;
    m_2015->setChecked(is2015);
    m_2003->setChecked(!is2015);
}

void StandardsControls::askSiteWind() {
    SiteWindTexts texts = siteWindTexts(m_form.state());
    for (;;) {
        const std::optional<SiteWindTexts> chosen =
            ask(&m_window, texts, m_form.state().languageShowing());
        if (!chosen)
            return;
        texts = *chosen;
        const std::size_t before = m_form.pendingMessages().size();
        applySiteWind(m_form.state(), texts);
        const bool refused = m_form.pendingMessages().size() > before;
        m_afterEvent();
        if (!refused)
            return;
    }
}

}  // namespace cw::gui
