#pragma once

#include "model/control_id.h"

namespace cw {

// Each field of the results panel with the caption that names it in Greek and its English
// twin. A result on show must always be captioned in the language showing.
struct ResultCaption {
    ControlId field;
    ControlId greek;
    ControlId english;
};

inline constexpr ResultCaption kResultCaptions[] = {
    {ControlId::Text24, ControlId::Label36, ControlId::Label88},   // L1
    {ControlId::Text26, ControlId::Label37, ControlId::Label89},   // L2
    {ControlId::Text27, ControlId::Label38, ControlId::Label90},   // A1
    {ControlId::Text28, ControlId::Label39, ControlId::Label91},   // A2
    {ControlId::Text33, ControlId::Label49, ControlId::Label92},   // H2
    {ControlId::Text34, ControlId::Label50, ControlId::Label93},   // H1
    {ControlId::Text29, ControlId::Label40, ControlId::Label94},   // wind pressure
    {ControlId::Text30, ControlId::Label42, ControlId::Label95},   // wind speed
    {ControlId::Text31, ControlId::Label41, ControlId::Label96},   // height band
    {ControlId::Text43, ControlId::Label43, ControlId::Label97},   // divisor d
    {ControlId::Text5, ControlId::Label17, ControlId::Label98},    // required mullion Jx
    {ControlId::Text9, ControlId::Label67, ControlId::Label99},    // required Wx
    {ControlId::Text25, ControlId::Label69, ControlId::Label100},  // required M
    {ControlId::Text15, ControlId::Label23, ControlId::Label101},  // required transom Jx
    {ControlId::Text17, ControlId::Label28, ControlId::Label102},  // required transom Jy
    {ControlId::Text6, ControlId::Label18, ControlId::Label103},   // suggested mullion
    {ControlId::Text14, ControlId::Label27, ControlId::Label104},  // suggested transom
    {ControlId::Text20, ControlId::Label57, ControlId::Label105},  // its Ix
    {ControlId::Text35, ControlId::Label71, ControlId::Label106},  // its Wx
    {ControlId::Text18, ControlId::Label6, ControlId::Label107},   // its deflection
    {ControlId::Text23, ControlId::Label7, ControlId::Label108},   // allowable deflection
    {ControlId::Text36, ControlId::Label73, ControlId::Label109},  // its stress
};

}  // namespace cw
