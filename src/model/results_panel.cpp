#include "model/results_panel.h"

#include "model/field_controls.h"
#include "text/messages.h"

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

bool isTwoSpans(SpanCase c) {
    return c == SpanCase::EqualSpans || c == SpanCase::UnequalSpans ||
           c == SpanCase::ShortUpperSpan;
}

std::string noTransomFits(const WindowState& w) {
    return say(Message::NoTransomFits, w.languageShowing());
}

void showResultsPanel(WindowState& w, SpanCase spanCase, bool terrax) {
    for (ControlId id : kResultFields)
        w.show(id);
    w.hide({C::Text19, C::Text21, C::Text22});

    const std::optional<Language> language = w.form().language;
    if (spanCase == SpanCase::OneSpan) {
        // Only the one-span system labels its results in the language last chosen.
        if (language == Language::Greek) {
            for (ControlId id : kGreekSet)
                w.show(id);
            for (ControlId id : kEnglishSet)
                w.hide(id);
        } else if (language == Language::English) {
            for (ControlId id : kEnglishUnits)
                w.show(id);
            for (ControlId id : kEnglishSet)
                w.show(id);
            for (ControlId id : kGreekHiddenInEnglish)
                w.hide(id);
        }
        return;
    }
    // The other systems show the Greek captions and leave the English ones and the headings
    // as they are; the fixed-ends case also leaves the units of H1 and H2 as they are.
    for (ControlId id : kGreekSet) {
        if (id == C::Label20 || id == C::Label32 || id == C::Label35)
            continue;
        if (!terrax && spanCase == SpanCase::FixedEnds && (id == C::Label54 || id == C::Label55))
            continue;
        w.show(id);
    }
    // With the English captions showing, those a run without a fitting mullion hid come back
    // in front of the Greek ones.
    if (language == Language::English)
        for (ControlId id : kEnglishSet)
            w.show(id);
}

void showNoFit(WindowState& w) {
    w.hide({C::Label7, C::Label6, C::Text18, C::Text19, C::Text21, C::Label23, C::Text23, C::Text22,
            C::Label18, C::Label27, C::Label28, C::Text20, C::Text6, C::Text14, C::Text15,
            C::Text17});
    // Their English twins too: two of them would cover the message.
    w.hide({C::Label108, C::Label107, C::Label101, C::Label103, C::Label104, C::Label102});
    w.show(C::Label1);
}

void hideSuggestedMullionLabels(WindowState& w) {
    w.hide({C::Label105, C::Label57, C::Label58, C::Label72, C::Label33, C::Label34, C::Label76,
            C::Label75, C::Label73, C::Label109, C::Label106, C::Label71});
}

}  // namespace

void hideResults(WindowState& w) {
    w.hide({C::Label36, C::Label37, C::Label38, C::Label39, C::Label40, C::Label41, C::Label42,
            C::Label43, C::Label49, C::Label50});
    w.hide({C::Label17, C::Label23, C::Label28, C::Label18, C::Label27, C::Label57, C::Label71,
            C::Label73, C::Label6, C::Label7});
    w.hide({C::Label44, C::Label45, C::Label46, C::Label47, C::Label48, C::Label54, C::Label55,
            C::Label56, C::Label22, C::Label25, C::Label26, C::Label58, C::Label72, C::Label33,
            C::Label34, C::Label75, C::Label76});
    w.hide(C::Label1);
    w.hide({C::Text24, C::Text26, C::Text27, C::Text28, C::Text29, C::Text30, C::Text31, C::Text33,
            C::Text34});
    w.hide({C::Text5, C::Text9, C::Text14, C::Text15, C::Text17, C::Text18, C::Text19, C::Text22,
            C::Text23, C::Text35, C::Text36});
    // Every result of the earlier run goes with its caption: a run that stops after the
    // echoes must not leave a mullion code or a moment on show without one.
    w.hide({C::Text6, C::Text20, C::Text25, C::Text43});
    w.show({C::Label51, C::Label52, C::Label53, C::Text32});
    w.shownRun.reset();
    w.limitStates.reset();
}

namespace {

constexpr Field kEchoes[] = {Field::LoadWidth, Field::EchoL1,         Field::EchoL2, Field::EchoA1,
                             Field::EchoA2,    Field::EchoHeightBand, Field::EchoH2, Field::EchoH1};

constexpr Field kDesignTexts[] = {Field::PressureInForce,
                                  Field::EchoPressure,
                                  Field::EchoWindSpeed,
                                  Field::EchoDivisor,
                                  Field::RequiredMullionJx,
                                  Field::AllowableDeflectionCopy,
                                  Field::DesignedDeflectionLimit,
                                  Field::EchoAllowableDeflection,
                                  Field::RequiredTransomJx,
                                  Field::RequiredTransomJy,
                                  Field::SuggestedMullion,
                                  Field::SuggestedTransom,
                                  Field::MullionDeflection,
                                  Field::SuggestedIx,
                                  Field::StressRatio,
                                  Field::RequiredMoment,
                                  Field::RequiredWx,
                                  Field::SuggestedWx,
                                  Field::MullionStress};

}  // namespace

void echoInputs(WindowState& w, const BayInput& in, const RunTexts& texts) {
    FormState& values = w.values();
    values.deflectionDivisor = TaggedValue::int16(in.divisor);
    values.glassWeight = TaggedValue::real(in.glassThickness_mm * 2.5);
    values.gridWidthA1 = TaggedValue::text(w.text(Field::GridWidthA1));
    values.gridWidthA2 = TaggedValue::text(w.text(Field::GridWidthA2));
    for (Field f : kEchoes)
        w.write(f, texts[f]);
}

void keepLimits(WindowState& w, const KeptLimits& kept) {
    FormState& values = w.values();
    if (kept.mullionLengthSingle)
        values.mullionLengthSingle = *kept.mullionLengthSingle;
    if (kept.ratioLimit)
        values.ratioLimit = *kept.ratioLimit;
    if (kept.absoluteLimit)
        values.absoluteLimit = *kept.absoluteLimit;
}

void showDesign(WindowState& w, const BayInput& in, const BayDesign& d, const RunTexts& texts,
                const RunVerdicts& verdicts) {
    FormState& values = w.values();
    const bool terrax = in.series == Series::Terrax;

    for (Field f : kDesignTexts)
        w.write(f, texts[f]);
    values.suggestedIx = TaggedValue::text({});
    if (!terrax)
        values.suggestedFibre = TaggedValue::text({});
    if (isTwoSpans(d.spanCase)) {
        values.mullionLengthL2 = TaggedValue::real(in.spanL2_cm);
        values.totalLength = TaggedValue::real(d.totalLength_cm);
    }
    if (values.windInput == WindInput::TypedPressure)
        values.windPressure = TaggedValue::text(w.text(Field::WindPressure));
    w.hide({C::Text18, C::Text19, C::Text21, C::Text23, C::Text22, C::Label6});

    w.show(controlOf(Field::EchoDivisor));

    if (d.lineLoad_kNcm)
        values.lineLoad = TaggedValue::real(*d.lineLoad_kNcm);
    values.requiredMullionJx = TaggedValue::real(d.requiredMullionJx_cm4);
    values.requiredTransomJx = TaggedValue::real(d.requiredTransomJx_cm4);
    values.requiredTransomJy = TaggedValue::real(d.requiredTransomJy_cm4);

    if (d.mullion) {
        values.suggestedIx = TaggedValue::int32(d.mullion->ix_mm4);
        values.suggestedFibre = TaggedValue::real(d.mullion->fibre_mm);
        w.show({C::Text18, C::Label6});
        w.hide({C::Text19, C::Text21});
    }

    if (values.seriesChosen)
        showResultsPanel(w, d.spanCase, terrax);
    values.windInput = WindInput::Taken;
    if (!d.mullion) {
        showNoFit(w);
        hideSuggestedMullionLabels(w);
    }
    std::optional<ShownRun::Insert> insert;
    if (d.mullion && d.mullion->insert) {
        const CompositeBending& b = d.mullion->insert->bending;
        insert = ShownRun::Insert{b.steelStress_Nmm2, b.steelStress_Nmm2 / b.steelUtilisation,
                                  !(b.steelUtilisation <= 1.0)};
    }
    w.shownRun =
        ShownRun{d.spanCase, terrax, d.mullion.has_value(), d.transom.has_value(), in.criterion,
                 d.rule,     insert,         verdicts};
}

void relabelShownRun(WindowState& w) {
    if (!w.shownRun || !w.form().seriesChosen)
        return;
    const ShownRun run = *w.shownRun;
    showResultsPanel(w, run.spanCase, run.terrax);
    if (!run.transomFits)
        w.write(Field::SuggestedTransom, noTransomFits(w));
    if (!run.mullionFits) {
        showNoFit(w);
        hideSuggestedMullionLabels(w);
    }
}

void showOutcome(WindowState& w, const BayOutcome& outcome) {
    if (outcome.refusal) {
        w.refuse(*outcome.refusal);
        return;
    }
    if (!outcome.completed && !outcome.echoedWithoutSystem)
        return;
    hideResults(w);
    echoInputs(w, outcome.input, outcome.texts);
    if (outcome.completed) {
        showDesign(w, outcome.input, outcome.design, outcome.texts, outcome.verdicts);
        w.limitStates = outcome.limitStates;
    } else {
        w.write(Field::EchoPressure, outcome.texts[Field::EchoPressure]);
        w.write(Field::EchoWindSpeed, outcome.texts[Field::EchoWindSpeed]);
    }
    keepLimits(w, outcome.keptLimits);
    markResultsCurrent(w);
}

}  // namespace cw
