#pragma once

#include "model/control_id.h"

#include <cstdint>
#include <string_view>

namespace cw {

enum class ControlKind { Label, TextBox, CommandButton, OptionButton, Frame, Picture, Line };

// Which caption set a control belongs to. Neutral controls exist once and are never switched.
enum class CaptionSet { Neutral, Greek, English };

// Geometry in twips, relative to the container (the window, or Frame2 / Frame3).
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// Colours in the &HBBGGRR notation (low byte red); 0x8000xxxx values are system colours.
namespace colour {
inline constexpr std::uint32_t LightGrey = 0xC0C0C0;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t DarkGrey = 0x404040;
inline constexpr std::uint32_t DarkBlue = 0xC00000;
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t DarkGreen = 0x004000;
inline constexpr std::uint32_t OliveYellow = 0x00C0C0;
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t ButtonText = 0x80000012;
inline constexpr std::uint32_t WindowText = 0x80000008;
inline constexpr std::uint32_t Highlight = 0x8000000D;
inline constexpr std::uint32_t ButtonFace = 0x8000000F;
}  // namespace colour

struct FontSpec {
    double pointSize;  // 8.25 unless a heading
    bool bold;
    bool underline;
};

inline constexpr FontSpec kDefaultFont{8.25, false, false};
inline constexpr FontSpec kLeftHeadingFont{8.25, true, true};
inline constexpr FontSpec kResultsHeadingFont{9.75, true, true};
inline constexpr FontSpec kBoldFont{8.25, true, false};

struct ControlSpec {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // empty: the window; otherwise "Frame2" or "Frame3"
    TwipRect rect;
    // The caption of a label, button or frame, or the start text of a text box ("" = none).
    std::string_view caption;
    CaptionSet captionSet;
    std::string_view twin;  // the other language's control at the same place, or empty
    std::uint32_t backColour;
    std::uint32_t foreColour;
    bool transparent;  // caption-less border boxes and Label29 draw no background
    bool border;       // single-line border (border boxes, entry fields)
    FontSpec font;
    std::string_view tooltip;         // Greek
    std::string_view tooltipEnglish;  // shown while the English captions show
    int tabIndex;                     // -1 where the control takes no part in the tab order
    bool visibleAtStart;
    bool readOnly;                 // results-panel value fields: selectable, not editable
    std::string_view picture;      // resource name of the picture (pictures and flag buttons)
    std::string_view optionGroup;  // "series", "system" or "height" for option buttons
    // Fields and option buttons: the controls whose caption names this one, first choice
    // first ("Command18 Command12": "L1=" while it shows, else "L ="). A Greek control's
    // English twin names it while the English captions show.
    std::string_view labelledBy;
    std::string_view unit;  // fields: the unit of the value ("cm", "kN/m^2"), if it has one
    bool captionOnly;       // a command button that only labels the field beside it
};

// All 207 controls in stacking order, front first; entry i has id == ControlId(i).
const ControlSpec* inventory();

const ControlSpec& controlSpec(ControlId id);

// The control of that name, or -1.
int findControl(std::string_view name);

// Window geometry and caption.
inline constexpr int kClientWidthTwips = 15105;
inline constexpr int kClientHeightTwips = 12255;
inline constexpr std::string_view kWindowTitle =
    "ΛΟΓΙΣΜΙΚΟ ΥΠΟΛΟΓΙΣΜΟΥ Ρ ΑΔΡΑΝΕΙΑΣ ΥΑΛΟΠΕΤΑΣΜΑΤΩΝ (v.5.2)";
inline constexpr std::string_view kWindowTitleEnglish =
    "CURTAIN WALL MOMENT OF INERTIA SOFTWARE (v.5.2)";
inline constexpr std::uint32_t kWindowBackColour = colour::LightGrey;
inline constexpr std::uint32_t kWindowForeColour = colour::DarkGrey;

}  // namespace cw
