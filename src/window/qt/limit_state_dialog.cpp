#include "window/qt/limit_state_dialog.h"

#include "bay/limit_state_texts.h"
#include "model/choices.h"
#include "bay/limit_state_inputs.h"
#include "input/design_basis.h"
#include "model/window_run.h"
#include "model/limit_state_dump.h"
#include "text/messages.h"

#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace cw::gui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidget* table(QWidget* parent, const QStringList& header,
                    const std::vector<std::vector<std::string>>& rows) {
    auto* t = new QTableWidget(int(rows.size()), int(header.size()), parent);
    t->setHorizontalHeaderLabels(header);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            t->setItem(int(r), int(c), new QTableWidgetItem(qs(rows[r][c])));
    t->resizeColumnsToContents();
    return t;
}

std::optional<LimitStateInputTexts> inputsDialog(QWidget* parent, const LimitStateInputTexts& shown,
                                                 bool sloped, Language language,
                                                 const NumberFormat& fmt) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("limitStateInputsDialog"));
    dialog.setWindowTitle(qs(say(Message::LimitStateInputsTitle, language)));
    auto* layout = new QFormLayout(&dialog);
    std::array<QLineEdit*, kLimitStateInputCount> edits{};
    const auto addEdit = [&](std::size_t i, const QString& name, const QString& caption) {
        edits[i] = new QLineEdit(qs(shown[i]), &dialog);
        edits[i]->setObjectName(name);
        edits[i]->setAccessibleName(caption);
        layout->addRow(caption, edits[i]);
    };
    addEdit(0, QStringLiteral("groundSnow"), qs(say(Message::LimitStateGroundSnow, language)));
    // Vertical mullions take no snow: s_k is kept, but only sloped glazing reads it.
    edits[0]->setEnabled(sloped);
    if (!sloped) {
        auto* note = new QLabel(qs(say(Message::LimitStateGroundSnowSlopedOnly, language)), &dialog);
        note->setWordWrap(true);
        layout->addRow(note);
    }
    std::size_t i = 1;
    for (const FactorEntry& e : factorEntries()) {
        addEdit(i, QString::fromUtf8(e.key.data(), qsizetype(e.key.size())),
                qs(say(e.caption, language)));
        ++i;
    }
    auto* reset = new QPushButton(qs(say(Message::LimitStateResetFactors, language)), &dialog);
    reset->setObjectName(QStringLiteral("resetFactors"));
    reset->setAutoDefault(false);
    QObject::connect(reset, &QPushButton::clicked, &dialog, [edits, shown, fmt] {
        const LimitStateInputTexts recommended = recommendedFactorTexts(shown, fmt);
        for (std::size_t k = 1; k < kLimitStateInputCount; ++k)
            edits[k]->setText(qs(recommended[k]));
    });
    layout->addRow(reset);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(qs(say(Message::DialogOk, language)));
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(say(Message::Cancel, language)));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    LimitStateInputTexts texts;
    for (std::size_t k = 0; k < kLimitStateInputCount; ++k)
        texts[k] = edits[k]->text().toStdString();
    return texts;
}

}  // namespace

LimitStateControls::LimitStateControls(QMainWindow& window, QMenu& standards, Form& form,
                                       std::function<void()> afterEvent)
    : QObject(&window), m_window(window), m_form(form), m_afterEvent(std::move(afterEvent)) {
    standards.addSeparator();
    m_basisMenu = standards.addMenu(QString());
    m_basisMenu->setObjectName(QStringLiteral("designBasisMenu"));
    auto* basis = new QActionGroup(m_basisMenu);
    m_allowable = m_basisMenu->addAction(QString());
    m_limitStates = m_basisMenu->addAction(QString());
    m_basisMenu->addSeparator();
    m_hungFromTop = m_basisMenu->addAction(QString());
    m_standingOnBase = m_basisMenu->addAction(QString());
    auto* hanging = new QActionGroup(m_basisMenu);
    for (QAction* a : {m_allowable, m_limitStates}) {
        a->setCheckable(true);
        basis->addAction(a);
    }
    for (QAction* a : {m_hungFromTop, m_standingOnBase}) {
        a->setCheckable(true);
        hanging->addAction(a);
    }
    connect(m_allowable, &QAction::triggered, this, [this] {
        chooseBasis(m_form.state(), DesignBasis::Allowable);
        m_afterEvent();
    });
    connect(m_limitStates, &QAction::triggered, this, [this] {
        chooseBasis(m_form.state(), DesignBasis::LimitStates);
        m_afterEvent();
    });
    connect(m_hungFromTop, &QAction::triggered, this, [this] {
        chooseHanging(m_form.state(), Hanging::HungFromTop);
        m_afterEvent();
    });
    connect(m_standingOnBase, &QAction::triggered, this, [this] {
        chooseHanging(m_form.state(), Hanging::StandingOnBase);
        m_afterEvent();
    });

    m_alloyMenu = standards.addMenu(QString());
    m_alloyMenu->setObjectName(QStringLiteral("alloyMenu"));
    auto* alloyGroup = new QActionGroup(m_alloyMenu);
    for (const Alloy& alloy : alloys()) {
        const QString name = QString::fromUtf8(alloy.name.data(), qsizetype(alloy.name.size()));
        QAction* a = m_alloyMenu->addAction(name);
        a->setCheckable(true);
        alloyGroup->addAction(a);
        m_alloys.push_back(a);
        connect(a, &QAction::triggered, this, [this, name] {
            chooseAlloy(m_form.state(), name.toStdString());
            m_afterEvent();
        });
    }
    m_basisMenu->addSeparator();
    m_inputs = m_basisMenu->addAction(QString(), this, &LimitStateControls::askInputs);
    m_inputs->setObjectName(QStringLiteral("limitStateInputs"));
    ask = [this](QWidget* parent, const LimitStateInputTexts& shown, bool sloped,
                 Language language) {
        return inputsDialog(parent, shown, sloped, language, m_form.numberFormat());
    };

    m_checks = standards.addAction(QString(), this, &LimitStateControls::showChecks);
    m_checks->setObjectName(QStringLiteral("limitStateChecks"));
}

void LimitStateControls::mirror(Language language) {
    const WindowState& w = m_form.state();
    m_basisMenu->setTitle(qs(say(Message::MenuDesignBasis, language)));
    m_allowable->setText(qs(say(Message::BasisAllowable, language)));
    m_limitStates->setText(qs(say(Message::BasisLimitStates, language)));
    m_hungFromTop->setText(qs(say(Message::HangingFromTop, language)));
    m_standingOnBase->setText(qs(say(Message::HangingOnBase, language)));
    m_alloyMenu->setTitle(qs(say(Message::MenuAlloy, language)));
    m_checks->setText(qs(say(Message::LimitStateChecksTitle, language) + "…"));
    m_inputs->setText(qs(say(Message::MenuLimitStateInputs, language)));
    const bool ls = w.basis == DesignBasis::LimitStates;
    m_limitStates->setChecked(ls);
    m_allowable->setChecked(!ls);
    m_hungFromTop->setChecked(w.hanging == Hanging::HungFromTop);
    m_standingOnBase->setChecked(w.hanging == Hanging::StandingOnBase);
    // The alloy and hanging mean something only under limit states.
    m_alloyMenu->setEnabled(ls);
    m_hungFromTop->setEnabled(ls);
    m_standingOnBase->setEnabled(ls);
    m_inputs->setEnabled(ls);
    for (QAction* a : m_alloys)
        a->setChecked(a->text().toStdString() == w.alloy);
    m_checks->setEnabled(shownLimitStates(w) != nullptr);
}

void LimitStateControls::showChecks() {
    const WindowState& w = m_form.state();
    const LimitStateRun* run = shownLimitStates(w);
    if (!run)
        return;
    const Language language = w.languageShowing();
    const Alloy* alloy = findAlloy(w.alloy);
    const LimitStateTexts t = limitStateTexts(*run, alloy ? *alloy : defaultAlloy(),
                                              run->options.factors, language, w.numberFormat());
    QDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("limitStateDialog"));
    dialog.setWindowTitle(qs(say(Message::LimitStateChecksTitle, language)));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(qs(t.heading), &dialog));
    if (!t.sectionClass.empty())
        layout->addWidget(new QLabel(qs(t.sectionClass), &dialog));
    std::vector<std::vector<std::string>> rows;
    for (const LimitStateCheckText& c : t.checks)
        rows.push_back({c.check, c.clause, c.combination, c.design + " " + c.unit,
                        c.resistance + " " + c.unit, c.utilisation, c.verdict});
    QTableWidget* checks = table(&dialog,
                                 {qs(say(Message::LimitStateColumnCheck, language)),
                                  qs(say(Message::LimitStateColumnClause, language)),
                                  qs(say(Message::LimitStateColumnCombination, language)),
                                  qs(say(Message::LimitStateColumnDesign, language)),
                                  qs(say(Message::LimitStateColumnResistance, language)),
                                  qs(say(Message::LimitStateColumnUtilisation, language)),
                                  qs(say(Message::LimitStateColumnVerdict, language))},
                                 rows);
    checks->setObjectName(QStringLiteral("limitStateCheckTable"));
    if (t.governing >= 0)
        checks->selectRow(t.governing);
    layout->addWidget(checks);
    layout->addWidget(new QLabel(qs(say(Message::LimitStateAnchors, language)), &dialog));
    QStringList anchorHeader;
    for (const std::string& h : t.anchorHeader)
        anchorHeader << qs(h);
    QTableWidget* anchors = table(&dialog, anchorHeader, t.anchorRows);
    anchors->setObjectName(QStringLiteral("limitStateAnchorTable"));
    layout->addWidget(anchors);
    for (const std::string& note : t.notes) {
        auto* label = new QLabel(qs(note), &dialog);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(qs(say(Message::HelpClose, language)));
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(900, 480);
    dialog.exec();
}

void LimitStateControls::askInputs() {
    LimitStateInputTexts texts = limitStateInputTexts(m_form.state());
    const bool sloped = chosenSeries(m_form.state()) == Series::Terrax;
    for (;;) {
        const std::optional<LimitStateInputTexts> chosen =
            ask(&m_window, texts, sloped, m_form.state().languageShowing());
        if (!chosen)
            return;
        texts = *chosen;
        const std::size_t before = m_form.pendingMessages().size();
        applyLimitStateInputs(m_form.state(), texts);
        const bool refused = m_form.pendingMessages().size() > before;
        m_afterEvent();
        if (!refused)
            return;
    }
}

}  // namespace cw::gui
