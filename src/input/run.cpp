// The NEXT run: the checks, the reset of the results panel and the preamble that both
// design procedures begin with.

#include "input/field_captions.h"
#include "window/window_model.h"

#include <cmath>

namespace cw {

using C = ControlId;

void Form::Command1_Click() {
    const bool veltraOrKorin = selected(C::Option10) || selected(C::Option11);
    const bool terrax = selected(C::Option12);
    if (!veltraOrKorin && !terrax)
        return;

    // Everything is checked and computed before anything changes, so that a refused run
    // leaves the window exactly as it was.
    DesignInputs in;
    bool systemChosen = false;
    if (const auto refusal = gatherRunInputs(in, systemChosen)) {
        refuse(*refusal);
        return;
    }
    DesignResult result;
    if (systemChosen) {
        result = terrax ? designTProfile(in, m_fmt) : designMullionTransom(in, m_fmt);
        if (!result.finite) {
            refuse(resultOutOfRange(englishShowing()));
            return;
        }
    }

    HideResults();
    preamble(in);
    if (!systemChosen) {
        write(C::Text29, fixedTextOf(text(C::Text3), m_fmt));
        echoWindSpeedOfRun();
        if (veltraOrKorin)
            takeLimitsWithoutSystem();
        return;
    }
    if (veltraOrKorin)
        DesignMullionTransom(in, result);
    if (terrax)
        DesignTProfileSeries(in, result);
}

void Form::HideResults() {
    hide({C::Label36, C::Label37, C::Label38, C::Label39, C::Label40, C::Label41, C::Label42,
          C::Label43, C::Label49, C::Label50});
    hide({C::Label17, C::Label23, C::Label28, C::Label18, C::Label27, C::Label57, C::Label71,
          C::Label73, C::Label6, C::Label7});
    hide({C::Label44, C::Label45, C::Label46, C::Label47, C::Label48, C::Label54, C::Label55,
          C::Label56, C::Label22, C::Label25, C::Label26, C::Label58, C::Label72, C::Label33,
          C::Label34, C::Label75, C::Label76});
    hide(C::Label1);
    hide({C::Text24, C::Text26, C::Text27, C::Text28, C::Text29, C::Text30, C::Text31, C::Text33,
          C::Text34});
    hide({C::Text5, C::Text9, C::Text14, C::Text15, C::Text17, C::Text18, C::Text19, C::Text22,
          C::Text23, C::Text35, C::Text36});
    // Every result of the earlier run goes with its caption: a run that stops after the
    // preamble must not leave a mullion code or a moment on show without one.
    hide({C::Text6, C::Text20, C::Text25, C::Text43});
    show({C::Label51, C::Label52, C::Label53, C::Text32});
    m_shownRun.reset();
}

void Form::preamble(const DesignInputs& in) {
    m_form.DeflectionDivisor = TaggedValue::int16(in.d);
    m_form.GlassWeight = TaggedValue::real(in.glassWeight);
    m_form.GridWidthA1 = TaggedValue::text(text(C::Text4));
    m_form.GridWidthA2 = TaggedValue::text(text(C::Text7));
    write(C::Text1, plainText(*num(C::Text4) / 2.0 + *num(C::Text7) / 2.0, m_fmt));
    write(C::Text24, text(C::Text2));
    // Echoes show what the run used: L2 only in a two-span run, the height band only while
    // the pressure in force came from it.
    write(C::Text26, in.designCase == DesignCase::E || in.designCase == DesignCase::U ||
                             in.designCase == DesignCase::R
                         ? text(C::Text13)
                         : std::string());
    write(C::Text27, text(C::Text4));
    write(C::Text28, text(C::Text7));
    // Text29 and Text30 echo the pressure the run uses, so they are written once the run has
    // taken it.
    write(C::Text31, m_windSource == WindSource::HeightBand ? m_form.HeightBandLimit.toText(m_fmt)
                                                            : std::string());
    write(C::Text33, text(C::Text12));
    write(C::Text34, text(C::Text10));
}

void Form::echoWindSpeedOfRun() {
    const std::optional<double> w = num(C::Text3);
    const double speed = w && *w >= 0 ? windSpeedOfPressure(*w) : std::nan("");
    write(C::Text30, std::isfinite(speed) ? fixedText(speed, m_fmt) : std::string());
}

void Form::takeLimitsWithoutSystem() {
    // The limits are kept as a run with a system keeps them, where their inputs are numbers.
    if (const std::optional<double> L1 = num(C::Text2)) {
        const float length = mullionLengthSingle(*L1, m_fmt);
        const std::string ratio = ratioLimitText(length, *toInt16(*num(C::Text37)), m_fmt);
        if (std::isfinite(length) && parseNumber(ratio, m_fmt)) {
            m_form.MullionLengthSingle = TaggedValue::single(length);
            m_form.RatioLimit = TaggedValue::text(ratio);
        }
    }
    if (const std::optional<double> f = num(C::Text38)) {
        const std::string absolute = absoluteLimitText(*f, m_fmt);
        if (parseNumber(absolute, m_fmt))
            m_form.AbsoluteLimit = TaggedValue::text(absolute);
    }
}

}  // namespace cw
