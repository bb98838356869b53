#pragma once

#include "input/form.h"
#include "model/inventory.h"
#include "window/qt/main_window.h"
#include "window/qt/widget_look.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace cw::gui::test {

// Closes any modal dialog left open for a second, and fails the test that opened it:
// a window test must fail, not hang, when a dialog nobody expected appears.
class ModalWatchdog {
public:
    ModalWatchdog() {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
        m_timer.start();
    }

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != m_seen) {
            m_seen = modal;
            m_ticks = 0;
            return;
        }
        if (modal && ++m_ticks >= 10) {
            ADD_FAILURE() << "a modal dialog stayed open: " << modal->windowTitle().toStdString();
            modal->close();
        }
    }

    QTimer m_timer;
    QWidget* m_seen = nullptr;
    int m_ticks = 0;
};

// The File menu's questions answered as a test says, with what was asked recorded. A question
// nobody expected fails the test.
class ScriptedQuestions final : public FileQuestions {
public:
    std::optional<QString> chooseWorkbook(QWidget*, const QString&, const QString&,
                                          const QString&) override {
        ADD_FAILURE() << "asked for a workbook unexpectedly";
        return std::nullopt;
    }
    bool confirmOverwrite(QWidget*, const QString&, const QString&, const QString&,
                          const QString&) override {
        ADD_FAILURE() << "asked to overwrite unexpectedly";
        return false;
    }
    bool confirmOutOfDateExport(QWidget*, const QString&, const QString&, const QString&,
                                const QString&) override {
        ADD_FAILURE() << "asked about out-of-date results unexpectedly";
        return false;
    }
    std::optional<QString> chooseBayFile(QWidget*, const QString& title, const QString& filter,
                                         bool saving, const QString& suggested) override {
        fileTitles << title;
        suggestions << suggested;
        filters << filter;
        savingAsked.push_back(saving);
        if (files.empty()) {
            ADD_FAILURE() << "asked for a bay file unexpectedly: " << title.toStdString();
            return std::nullopt;
        }
        const QString answer = files.front();
        files.pop_front();
        if (answer.isEmpty())
            return std::nullopt;  // cancelled
        return answer;
    }
    UnsavedChanges askAboutUnsavedChanges(QWidget*, const QString&, const QString& text,
                                          const QString& save, const QString& discard,
                                          const QString& cancel) override {
        questions << text;
        buttons = {save, discard, cancel};
        if (unsaved.empty()) {
            ADD_FAILURE() << "asked about unsaved changes unexpectedly: " << text.toStdString();
            return UnsavedChanges::Cancel;
        }
        const UnsavedChanges answer = unsaved.front();
        unsaved.pop_front();
        return answer;
    }

    std::optional<QString> chooseCatalogueFile(QWidget*, const QString& title, const QString& text,
                                               const QString& choose, const QString& cancel,
                                               const QString&) override {
        catalogueQuestions << text;
        buttons = {title, choose, cancel};
        if (catalogueFiles.empty()) {
            ADD_FAILURE() << "asked for a catalogue file unexpectedly: " << text.toStdString();
            return std::nullopt;
        }
        const QString answer = catalogueFiles.front();
        catalogueFiles.pop_front();
        if (answer.isEmpty())
            return std::nullopt;  // cancelled
        return answer;
    }

    std::deque<QString> files;  // an empty one cancels the dialog
    std::deque<QString> catalogueFiles;  // the same
    QStringList catalogueQuestions;
    std::deque<UnsavedChanges> unsaved;
    QStringList fileTitles, filters, questions, buttons, suggestions;
    std::vector<bool> savingAsked;
};

// A shown, active window over a fresh model; message boxes close themselves with OK. With
// `questions` the export asks that double instead of showing its dialogs.
class Window {
public:
    explicit Window(std::string_view locale = "el_GR", QString dumpPath = {},
                    std::shared_ptr<FileQuestions> questions = nullptr)
        : form(NumberFormat::fromLocale(locale)),
          window(form, WindowOptions{std::move(dumpPath), true, std::move(questions)}) {
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget* widget(ControlId id) const { return window.control(id); }
    template <class T>
    T* as(ControlId id) const {
        return qobject_cast<T*>(window.control(id));
    }
    QWidget* named(std::string_view name) const {
        return window.findChild<QWidget*>(fromUtf8(name));
    }

    Form form;
    MainWindow window;
    ModalWatchdog watchdog;
};

// What a user does to a control, through Qt's own event delivery.
void clickOn(QWidget* w);
void typeInto(QWidget* w, const QString& text);
// A key pressed and released on whatever has the keyboard focus in the window.
void pressKey(QWidget* window, Qt::Key key);

}  // namespace cw::gui::test
