// The window's catalogue choice: the combo box in the series group acts on the model as the
// replay's catalogue verb does, and the list is remembered and checked again at start.

#include "window_fixture.h"

#include "bay/catalogue_ref.h"

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace cw::gui {
namespace {

using C = ControlId;
using namespace test;

void write(const QString& path, const char* text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

TEST(CatalogueControls, TheComboChoosesAsTheModelDoes) {
    QTemporaryDir dir;
    const QString house = dir.filePath(QStringLiteral("house.csv"));
    const QString slope = dir.filePath(QStringLiteral("slope.csv"));
    write(house, "use,code,role,Ix_cm4,e_mm\nvertical,H-1,mullion,10,50\n");
    write(slope, "use,code,role,Ix_cm4,e_mm\nsloped,S-1,mullion,10,50\n");
    Window w;
    CatalogueControls& c = *w.window.catalogues();
    ASSERT_EQ(c.addFile(house), 0);
    ASSERT_EQ(c.addFile(slope), 1);
    ASSERT_EQ(c.addFile(dir.filePath(QStringLiteral("none.csv"))), -1);
    const struct {
        int choice;  // -1: the series options
        const char* catalogue;
        const char* comboText;
        bool terraxInputs;  // Text40 shows for a sloped catalogue, as for Terrax
    } steps[] = {
        {0, "house", "Κατάλογος: house", false},
        {1, "slope", "Κατάλογος: slope", true},
        {-1, "", "(επιλογές σειράς)", true},
        {0, "house", "Κατάλογος: house", false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.choice);
        c.choose(s.choice);
        const auto& chosen = w.form.state().userCatalogue;
        EXPECT_EQ(chosen ? chosen->ref.name : std::string(), s.catalogue);
        EXPECT_EQ(c.combo()->currentText().toStdString(), s.comboText);
        EXPECT_EQ(w.form.visible(C::Text40), s.terraxInputs);
    }
    // Both languages: the choice stays, its words follow the language.
    clickOn(w.widget(C::Command10));
    EXPECT_EQ(c.combo()->currentText().toStdString(), "Catalogue: house");
}

TEST(CatalogueControls, RememberedFilesAreCheckedAtStart) {
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.csv"));
    const QString edited = dir.filePath(QStringLiteral("edited.csv"));
    write(kept, "use,code,role,Ix_cm4,e_mm\nvertical,K-1,mullion,10,50\n");
    write(edited, "use,code,role,Ix_cm4,e_mm\nvertical,E-1,mullion,10,50\n");
    QSettings().setValue(
        QStringLiteral("catalogues"),
        QStringList{
            kept + "\t" +
                QString::fromStdString(catalogueSha256("use,code,role,Ix_cm4,e_mm\nvertical,K-1,"
                                                       "mullion,10,50\n")) +
                "\tkept",
            edited + "\tabc\tedited", dir.filePath(QStringLiteral("gone.csv")) + "\tabc\tgone"});
    Window w;
    w.form.takeMessages();
    w.window.catalogues()->checkRemembered();
    const std::vector<std::string> messages = w.form.takeMessages();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_EQ(messages[0],
              "Ο κατάλογος «edited» άλλαξε από τότε που επιλέχθηκε: " + edited.toStdString());
    EXPECT_EQ(messages[1], "Ο κατάλογος «gone» λείπει: " +
                               dir.filePath(QStringLiteral("gone.csv")).toStdString());
    EXPECT_EQ(w.window.catalogues()->count(), 2U);
    QSettings().remove(QStringLiteral("catalogues"));
}

}  // namespace
}  // namespace cw::gui
