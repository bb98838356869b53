#include "app/replay_script.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace cw {
namespace {

const NumberFormat kGreek{",", "-", "+"};

struct Outcome {
    int status;
    std::vector<QJsonObject> dumps;
    std::string err;
};

Outcome replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    Outcome o;
    o.status = runReplay(in, out, err, kGreek);
    o.err = err.str();
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) {
        QJsonParseError parseError{};
        const QJsonDocument doc =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &parseError);
        EXPECT_EQ(parseError.error, QJsonParseError::NoError) << line.substr(0, 200);
        o.dumps.push_back(doc.object());
    }
    return o;
}

QString textOf(const QJsonObject& dump, const char* control) {
    return dump["controls"].toObject()[control].toObject()["text"].toString();
}

bool visibleOf(const QJsonObject& dump, const char* control) {
    return dump["controls"].toObject()[control].toObject()["visible"].toBool();
}

TEST(Replay, DumpListsEveryControlAndTheFormValues) {
    const Outcome o = replay("dump\n");
    ASSERT_EQ(o.status, 0);
    ASSERT_EQ(o.dumps.size(), 1U);
    const QJsonObject& d = o.dumps[0];
    EXPECT_TRUE(d["focus"].isNull());
    EXPECT_EQ(d["controls"].toObject().size(), 207);
    EXPECT_EQ(d["form"].toObject().size(), 20);
    EXPECT_TRUE(d["form"].toObject()["WindPressure"].isNull());
    EXPECT_TRUE(d["messages"].toArray().isEmpty());
    // Text boxes carry their text, option buttons their selection, others neither.
    const QJsonObject controls = d["controls"].toObject();
    EXPECT_EQ(controls["Text16"].toObject()["text"].toString(), "10");
    EXPECT_FALSE(controls["Option10"].toObject()["selected"].toBool());
    EXPECT_FALSE(controls["Label1"].toObject().contains("text"));
    EXPECT_FALSE(controls["Label1"].toObject().contains("selected"));
}

TEST(Replay, FormValuesKeepTheirKind) {
    const Outcome o =
        replay("click Option10\nclick Option2\ndump\ntype Text8 0,65\nclick Command2\ndump\n");
    ASSERT_EQ(o.dumps.size(), 2U);
    const QJsonObject first = o.dumps[0]["form"].toObject();
    EXPECT_TRUE(first["WindPressure"].isDouble());
    EXPECT_DOUBLE_EQ(first["WindPressure"].toDouble(), 0.8);
    EXPECT_EQ(first["HeightBandLimit"].toInt(), 20);
    EXPECT_EQ(o.dumps[1]["form"].toObject()["WindPressure"].toString(), "0,65");
}

TEST(Replay, BlankLinesAndCommentsAreSkipped) {
    const Outcome o = replay("# a comment\n\n   \nclick Option10\r\ndump\n");
    EXPECT_EQ(o.status, 0);
    ASSERT_EQ(o.dumps.size(), 1U);
    EXPECT_TRUE(o.dumps[0]["controls"].toObject()["Option10"].toObject()["selected"].toBool());
}

TEST(Replay, TypeAndSetTakeTheRestOfTheLineVerbatim) {
    const Outcome o = replay("type Text8  1 2 \ndump\nset Text8\ndump\nset Text11 a  b\ndump\n");
    ASSERT_EQ(o.dumps.size(), 3U);
    EXPECT_EQ(textOf(o.dumps[0], "Text8"), " 1 2 ");
    EXPECT_EQ(textOf(o.dumps[1], "Text8"), "");
    EXPECT_EQ(textOf(o.dumps[2], "Text11"), "a  b");
    EXPECT_EQ(o.dumps[0]["focus"].toString(), "Text8");
    EXPECT_EQ(o.dumps[2]["focus"].toString(), "Text8");  // set moves nothing
}

TEST(Replay, MessagesAreListedOnceInTheNextDump) {
    const Outcome o = replay(
        "click Option10\nclick Option13\ntype Text2 200\ntype Text13 300\nkey 13\ndump\ndump\n");
    ASSERT_EQ(o.dumps.size(), 2U);
    const QJsonArray messages = o.dumps[0]["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toString(),
              QString::fromUtf8("L2 πρέπει να είναι πάντα < ή = από L1 (L2 = 300, L1 = 200)"));
    EXPECT_TRUE(o.dumps[1]["messages"].toArray().isEmpty());
}

TEST(Replay, EnterOnTheFocusedNextButtonPressesIt) {
    const Outcome o = replay(
        "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
        "type Text10 100\ntype Text12 150\nclick Option1\nclick Command15\nfocus Command1\n"
        "key 13\ndump\n");
    ASSERT_EQ(o.status, 0) << o.err;
    ASSERT_EQ(o.dumps.size(), 1U);
    EXPECT_EQ(textOf(o.dumps[0], "Text6"), "KA-01");
    EXPECT_EQ(o.dumps[0]["focus"].toString(), "Text4");
    EXPECT_TRUE(visibleOf(o.dumps[0], "Text6"));
}

TEST(Replay, ExitEndsTheScriptSuccessfully) {
    const Outcome o = replay("click Command8\ndump\nbogus line\n");
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.dumps.empty());
}

struct BadLine {
    const char* name;
    const char* script;
    const char* reasonPart;
};

class RefusedLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(RefusedLines, StopWithStatusTwoAndTheLineNumber) {
    const BadLine& c = GetParam();
    const Outcome o = replay(std::string("dump\n") + c.script + "\ndump\n");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.dumps.size(), 1U);  // nothing after the bad line ran
    EXPECT_EQ(o.err.rfind("line 2: ", 0), 0U) << o.err;
    EXPECT_NE(o.err.find(c.reasonPart), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    All, RefusedLines,
    ::testing::Values(BadLine{"unknown_verb", "press Command1", "unknown action"},
                      BadLine{"unknown_control", "click Command99", "no control"},
                      BadLine{"missing_control", "click", "needs a control"},
                      BadLine{"click_hidden", "click Text4", "hidden"},
                      BadLine{"type_hidden", "type Text2 300", "hidden"},
                      BadLine{"type_into_label", "type Label35 x", "not a text box"},
                      BadLine{"type_into_button", "type Command1 x", "not a text box"},
                      BadLine{"focus_label", "focus Label35", "cannot take the focus"},
                      BadLine{"focus_hidden", "focus Text13", "hidden"},
                      BadLine{"key_not_a_number", "key enter", "not a key code"},
                      BadLine{"key_out_of_range", "key 70000", "not a key code"},
                      BadLine{"dump_with_argument", "dump now", "dump takes nothing"},
                      BadLine{"click_with_text", "click Option10 now", "only a control name"},
                      BadLine{"export_without_path", "export", "workbook path"},
                      BadLine{"broken_utf8", "type Text8 9\xC5", "not UTF-8"},
                      BadLine{"overlong_utf8", "type Text8 \xC0\xAF", "not UTF-8"},
                      BadLine{"surrogate_utf8", "type Text8 \xED\xA0\x80", "not UTF-8"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Replay, ReadOnlyResultFieldsCannotBeTypedInto) {
    const Outcome o = replay(
        "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
        "type Text10 100\ntype Text12 150\nclick Option1\nclick Command1\ntype Text5 1\n");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("line 10: Text5 is read-only"), std::string::npos) << o.err;
}

}  // namespace
}  // namespace cw
