// The design procedures of the window: they write a computed design into the results panel
// in the order of their steps, and set what is shown.

#include "window/window_model.h"

namespace cw {

using C = ControlId;

namespace {

// The Greek captions, units and headings of the results panel.
constexpr ControlId kGreekSet[] = {
    C::Label6,  C::Label7,  C::Label17, C::Label18, C::Label20, C::Label22, C::Label23, C::Label25,
    C::Label26, C::Label27, C::Label28, C::Label32, C::Label33, C::Label34, C::Label35, C::Label36,
    C::Label37, C::Label38, C::Label39, C::Label40, C::Label41, C::Label42, C::Label43, C::Label44,
    C::Label45, C::Label46, C::Label47, C::Label48, C::Label49, C::Label50, C::Label51, C::Label52,
    C::Label53, C::Label54, C::Label55, C::Label56, C::Label57, C::Label58, C::Label67, C::Label68,
    C::Label69, C::Label70, C::Label71, C::Label72, C::Label73, C::Label75, C::Label76};

constexpr ControlId kEnglishSet[] = {
    C::Label85,  C::Label86,  C::Label87,  C::Label88,  C::Label89,  C::Label90,  C::Label91,
    C::Label92,  C::Label93,  C::Label94,  C::Label95,  C::Label96,  C::Label97,  C::Label98,
    C::Label99,  C::Label100, C::Label101, C::Label102, C::Label103, C::Label104, C::Label105,
    C::Label106, C::Label107, C::Label108, C::Label109};

// Units kept in view with the English captions.
constexpr ControlId kEnglishUnits[] = {C::Label22, C::Label25, C::Label26, C::Label33, C::Label34,
                                       C::Label44, C::Label45, C::Label46, C::Label47, C::Label48,
                                       C::Label52, C::Label53, C::Label54, C::Label55, C::Label56,
                                       C::Label68, C::Label70, C::Label72};

constexpr ControlId kGreekHiddenInEnglish[] = {
    C::Label6,  C::Label7,  C::Label17, C::Label18, C::Label20, C::Label23, C::Label27, C::Label28,
    C::Label32, C::Label35, C::Label36, C::Label37, C::Label38, C::Label39, C::Label40, C::Label41,
    C::Label42, C::Label43, C::Label49, C::Label50, C::Label51, C::Label57, C::Label58, C::Label67,
    C::Label69, C::Label71, C::Label73, C::Label75, C::Label76};

constexpr ControlId kResultFields[] = {
    C::Text5,  C::Text6,  C::Text9,  C::Text14, C::Text15, C::Text17, C::Text18, C::Text20,
    C::Text23, C::Text24, C::Text25, C::Text26, C::Text27, C::Text28, C::Text29, C::Text30,
    C::Text31, C::Text32, C::Text33, C::Text34, C::Text35, C::Text36, C::Text43};

}  // namespace

void Form::DesignMullionTransom(const DesignInputs& in, const DesignResult& r) {
    applyDesign(in, r, false);
}

void Form::DesignTProfileSeries(const DesignInputs& in, const DesignResult& r) {
    applyDesign(in, r, true);
}

void Form::applyDesign(const DesignInputs& in, const DesignResult& r, bool terrax) {
    const DesignCase dc = in.designCase;
    const bool twoSpans = dc == DesignCase::E || dc == DesignCase::U || dc == DesignCase::R;

    // Opening: no result of an earlier run may be shown or exported with this one.
    for (ControlId id :
         {C::Text6, C::Text14, C::Text18, C::Text21, C::Text35, C::Text36, C::Text20})
        write(id, {});
    m_form.SuggestedIx = TaggedValue::text({});
    if (!terrax)
        m_form.SuggestedFibre = TaggedValue::text({});
    if (twoSpans) {
        m_form.MullionLengthL2 = TaggedValue::real(in.L2);
        m_form.TotalLength = TaggedValue::real(terrax ? in.L2 + in.L1 : in.L1 + in.L2);
    }
    if (m_form.WindInputMode == TaggedValue::int16(1))
        m_form.WindPressure = TaggedValue::text(text(C::Text8));
    write(C::Text3, m_form.WindPressure.toText(m_fmt));
    write(C::Text29, fixedTextOf(text(C::Text3), m_fmt));
    echoWindSpeedOfRun();
    hide({C::Text18, C::Text19, C::Text21, C::Text23, C::Text22, C::Label6});

    if (r.limitsComputed) {
        m_form.MullionLengthSingle = TaggedValue::single(r.mullionLengthSingle);
        m_form.RatioLimit = TaggedValue::text(r.ratioLimit);
        m_form.AbsoluteLimit = r.absoluteLimit;
    }
    write(C::Text43, text(C::Text37));
    show(C::Text43);

    if (r.lineLoad)
        m_form.LineLoad = TaggedValue::real(*r.lineLoad);
    m_form.RequiredMullionJx = TaggedValue::real(r.requiredMullionJx);
    write(C::Text5, r.text5);
    write(C::Text19, text(C::Text44));
    write(C::Text23, r.designedLimitText);
    write(C::Text32, text(C::Text19));

    m_form.RequiredTransomJx = TaggedValue::real(r.requiredTransomJx);
    write(C::Text15, r.text15);
    m_form.RequiredTransomJy = TaggedValue::real(r.requiredTransomJy);
    write(C::Text17, r.text17);

    if (r.mullion) {
        write(C::Text6, std::string(r.mullion->code));
        m_form.SuggestedIx = TaggedValue::int32(r.mullion->ix_mm4);
        m_form.SuggestedFibre = TaggedValue::real(r.mullion->fibre_mm);
    }
    write(C::Text14, r.transom ? std::string(*r.transom) : noTransomFits());

    if (r.mullion) {
        write(C::Text18, r.text18);
        write(C::Text20, r.text20);
        write(C::Text21, r.text21);
        show({C::Text18, C::Label6});
        hide({C::Text19, C::Text21});
    }

    if (m_form.SeriesChosen == TaggedValue::int16(1))
        showResultsPanel(dc, terrax);
    m_form.WindInputMode = TaggedValue::int16(0);
    if (!r.mullion)
        showNoFit();

    write(C::Text25, r.text25);
    write(C::Text9, r.text9);
    if (r.mullion) {
        write(C::Text35, r.text35);
        write(C::Text36, r.text36);
    } else {
        hideSuggestedMullionLabels();
    }
    m_shownRun = ShownRun{dc, terrax, r.mullion.has_value(), r.transom.has_value()};
}

void Form::showResultsPanel(DesignCase designCase, bool terrax) {
    for (ControlId id : kResultFields)
        show(id);
    hide({C::Text19, C::Text21, C::Text22});

    if (designCase == DesignCase::S) {
        // Only the one-span system labels its results in the language last chosen.
        if (m_form.LanguageMode == TaggedValue::int16(1)) {
            for (ControlId id : kGreekSet)
                show(id);
            for (ControlId id : kEnglishSet)
                hide(id);
        } else if (m_form.LanguageMode == TaggedValue::int16(2)) {
            for (ControlId id : kEnglishUnits)
                show(id);
            for (ControlId id : kEnglishSet)
                show(id);
            for (ControlId id : kGreekHiddenInEnglish)
                hide(id);
        }
        return;
    }
    // The other systems show the Greek captions and leave the English ones and the headings
    // as they are; the fixed-ends case also leaves the units of H1 and H2 as they are.
    for (ControlId id : kGreekSet) {
        if (id == C::Label20 || id == C::Label32 || id == C::Label35)
            continue;
        if (!terrax && designCase == DesignCase::F && (id == C::Label54 || id == C::Label55))
            continue;
        show(id);
    }
    // With the English captions showing, those a run without a fitting mullion hid come back
    // in front of the Greek ones.
    if (m_form.LanguageMode == TaggedValue::int16(2))
        for (ControlId id : kEnglishSet)
            show(id);
}

void Form::showNoFit() {
    hide({C::Label7, C::Label6, C::Text18, C::Text19, C::Text21, C::Label23, C::Text23, C::Text22,
          C::Label18, C::Label27, C::Label28, C::Text20, C::Text6, C::Text14, C::Text15,
          C::Text17});
    // Their English twins too: two of them would cover the message.
    hide({C::Label108, C::Label107, C::Label101, C::Label103, C::Label104, C::Label102});
    show(C::Label1);
}

void Form::relabelShownRun() {
    if (!m_shownRun || m_form.SeriesChosen != TaggedValue::int16(1))
        return;
    showResultsPanel(m_shownRun->designCase, m_shownRun->terrax);
    if (!m_shownRun->transomFits)
        write(C::Text14, noTransomFits());
    if (!m_shownRun->mullionFits) {
        showNoFit();
        hideSuggestedMullionLabels();
    }
}

std::string Form::noTransomFits() const {
    return englishShowing() ? "None fits" : "Καμία δεν επαρκεί";
}

void Form::hideSuggestedMullionLabels() {
    hide({C::Label105, C::Label57, C::Label58, C::Label72, C::Label33, C::Label34, C::Label76,
          C::Label75, C::Label73, C::Label109, C::Label106, C::Label71});
}

}  // namespace cw
