#pragma once

// How the inventory table spells its rows; included by the table alone.

#include "model/inventory.h"

namespace cw {
namespace {

// Builds one inventory row. The kind constructors below carry each kind's default look, so a
// row only spells out what differs from it; every row is still a complete ControlSpec.
struct Row {
    ControlSpec s;

    constexpr Row shown() const {
        Row r = *this;
        r.s.visibleAtStart = true;
        return r;
    }
    constexpr Row tab(int index) const {
        Row r = *this;
        r.s.tabIndex = index;
        return r;
    }
    constexpr Row greek(std::string_view twin) const {
        Row r = *this;
        r.s.captionSet = CaptionSet::Greek;
        r.s.twin = twin;
        return r;
    }
    constexpr Row english(std::string_view twin) const {
        Row r = *this;
        r.s.captionSet = CaptionSet::English;
        r.s.twin = twin;
        return r;
    }
    constexpr Row fore(std::uint32_t c) const {
        Row r = *this;
        r.s.foreColour = c;
        return r;
    }
    constexpr Row back(std::uint32_t c) const {
        Row r = *this;
        r.s.backColour = c;
        return r;
    }
    constexpr Row font(FontSpec f) const {
        Row r = *this;
        r.s.font = f;
        return r;
    }
    constexpr Row leftHeading() const { return font(kLeftHeadingFont).fore(colour::DarkGreen); }
    constexpr Row resultsHeading() const {
        return font(kResultsHeadingFont).fore(colour::DarkGreen);
    }
    constexpr Row tip(std::string_view greekText, std::string_view englishText) const {
        Row r = *this;
        r.s.tooltip = greekText;
        r.s.tooltipEnglish = englishText;
        return r;
    }
    constexpr Row by(std::string_view names) const {
        Row r = *this;
        r.s.labelledBy = names;
        return r;
    }
    constexpr Row labelOnly() const {
        Row r = *this;
        r.s.captionOnly = true;
        return r;
    }
    constexpr Row unit(std::string_view u) const {
        Row r = *this;
        r.s.unit = u;
        return r;
    }
    constexpr Row transparent() const {
        Row r = *this;
        r.s.transparent = true;
        return r;
    }
    constexpr Row in(std::string_view frame) const {
        Row r = *this;
        r.s.container = frame;
        return r;
    }
    constexpr Row image(std::string_view resource) const {
        Row r = *this;
        r.s.picture = resource;
        return r;
    }

    constexpr operator ControlSpec() const { return s; }  // NOLINT(google-explicit-constructor)
};

constexpr Row make(ControlId id, std::string_view name, ControlKind kind, TwipRect rect,
                   std::string_view caption, std::uint32_t backColour, std::uint32_t foreColour,
                   bool border) {
    return Row{
        ControlSpec{id, name,       kind,       {},    rect,   caption,      CaptionSet::Neutral,
                    {}, backColour, foreColour, false, border, kDefaultFont, {},
                    {}, -1,         false,      false, {},     {},           {},
                    {}, false}};
}

constexpr Row label(ControlId id, std::string_view name, TwipRect rect, std::string_view caption) {
    return make(id, name, ControlKind::Label, rect, caption, colour::LightGrey, colour::DarkGrey,
                false);
}

// Caption-less framing rectangle; drawn over whatever lies behind it.
constexpr Row borderBox(ControlId id, std::string_view name, TwipRect rect) {
    return make(id, name, ControlKind::Label, rect, {}, colour::LightGrey, colour::DarkGrey, true)
        .transparent()
        .shown();
}

constexpr Row entry(ControlId id, std::string_view name, TwipRect rect,
                    std::string_view startText = {}) {
    return make(id, name, ControlKind::TextBox, rect, startText, colour::White, colour::Black,
                true);
}

// Results-panel output: written by the design run, so it looks like a caption, not a field.
constexpr Row valueField(ControlId id, std::string_view name, TwipRect rect,
                         std::uint32_t foreColour) {
    Row r = make(id, name, ControlKind::TextBox, rect, {}, colour::LightGrey, foreColour, false);
    r.s.readOnly = true;
    return r;
}

constexpr Row button(ControlId id, std::string_view name, TwipRect rect, std::string_view caption) {
    return make(id, name, ControlKind::CommandButton, rect, caption, colour::White,
                colour::ButtonText, false);
}

// The geometry row's buttons only label the field beside them; the grey face says so.
constexpr Row captionButton(ControlId id, std::string_view name, TwipRect rect,
                            std::string_view caption) {
    return button(id, name, rect, caption).back(colour::LightGrey).labelOnly();
}

constexpr Row option(ControlId id, std::string_view name, TwipRect rect,
                     std::string_view storedCaption, std::string_view group) {
    Row r = make(id, name, ControlKind::OptionButton, rect, storedCaption, colour::LightGrey,
                 colour::DarkGrey, false);
    r.s.optionGroup = group;
    return r;
}

constexpr Row frame(ControlId id, std::string_view name, TwipRect rect) {
    return make(id, name, ControlKind::Frame, rect, {}, colour::LightGrey, colour::DarkGrey, true);
}

constexpr Row picture(ControlId id, std::string_view name, TwipRect rect,
                      std::string_view resource) {
    return make(id, name, ControlKind::Picture, rect, {}, kWindowBackColour, kWindowForeColour,
                false)
        .image(resource);
}

constexpr Row line(ControlId id, std::string_view name, TwipRect boundingBox,
                   std::uint32_t colour) {
    return make(id, name, ControlKind::Line, boundingBox, {}, kWindowBackColour, colour, false);
}

}  // namespace
}  // namespace cw
