#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace cw::gui {

// What is done with unsaved changes before they would be lost.
enum class UnsavedChanges { Save, Discard, Cancel };

// What the File menu asks the user: the window's own dialogs, unless a test puts a double in.
class FileQuestions {
public:
    virtual ~FileQuestions() = default;
    // The workbook to fill, or nothing when the user cancels. `filter` is the name filter.
    virtual std::optional<QString> chooseWorkbook(QWidget* parent, const QString& title,
                                                  const QString& explanation,
                                                  const QString& filter) = 0;
    // Whether the cells named in `text` may be overwritten.
    virtual bool confirmOverwrite(QWidget* parent, const QString& title, const QString& text,
                                  const QString& overwrite, const QString& cancel) = 0;
    // Whether to export the results on show although they are not those of the inputs.
    virtual bool confirmOutOfDateExport(QWidget* parent, const QString& title, const QString& text,
                                        const QString& exportLastRun, const QString& cancel) = 0;
    // The bay file to open, or to save to when `saving` (under the name `suggested`);
    // nothing when the user cancels.
    virtual std::optional<QString> chooseBayFile(QWidget* parent, const QString& title,
                                                 const QString& filter, bool saving,
                                                 const QString& suggested) = 0;
    // Save, Discard or Cancel, with the buttons' texts given.
    virtual UnsavedChanges askAboutUnsavedChanges(QWidget* parent, const QString& title,
                                                  const QString& text, const QString& save,
                                                  const QString& discard,
                                                  const QString& cancel) = 0;
    // Opening a bay whose catalogue file is missing or changed: whether to choose the file
    // (`text` says why), then which (`filter` the name filter); nothing when the user cancels
    // either. A double that is not asked cancels, so the bay opens as it would unasked.
    virtual std::optional<QString> chooseCatalogueFile(QWidget* parent, const QString& title,
                                                       const QString& text,
                                                       const QString& choose,
                                                       const QString& cancel,
                                                       const QString& filter) {
        (void)parent, (void)title, (void)text, (void)choose, (void)cancel, (void)filter;
        return std::nullopt;
    }
};

// The file dialogs and the question boxes.
class DialogQuestions final : public FileQuestions {
public:
    std::optional<QString> chooseWorkbook(QWidget* parent, const QString& title,
                                          const QString& explanation,
                                          const QString& filter) override;
    bool confirmOverwrite(QWidget* parent, const QString& title, const QString& text,
                          const QString& overwrite, const QString& cancel) override;
    bool confirmOutOfDateExport(QWidget* parent, const QString& title, const QString& text,
                                const QString& exportLastRun, const QString& cancel) override;
    std::optional<QString> chooseBayFile(QWidget* parent, const QString& title,
                                         const QString& filter, bool saving,
                                         const QString& suggested) override;
    UnsavedChanges askAboutUnsavedChanges(QWidget* parent, const QString& title,
                                          const QString& text, const QString& save,
                                          const QString& discard, const QString& cancel) override;
    std::optional<QString> chooseCatalogueFile(QWidget* parent, const QString& title,
                                               const QString& text, const QString& choose,
                                               const QString& cancel,
                                               const QString& filter) override;
};

}  // namespace cw::gui
