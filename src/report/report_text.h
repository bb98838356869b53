#pragma once

#include <string>

namespace cw::report {

// The report's own headings and phrases, in Greek and English. The sentences the window
// says (refusals, "no transom fits") come from the window's table through the window itself.
enum class Phrase {
    Title,
    ProjectLabel,
    BayLabel,
    PageOf,  // {1} of {2}
    HeadingInputs,
    HeadingSystem,
    HeadingLoads,
    HeadingDeflection,
    HeadingRequired,
    HeadingProfiles,
    HeadingCheck,
    HeadingReactions,
    HeadingRefused,
    Series,
    StaticSystem,
    GridWidthA1,
    GridWidthA2,
    SpanL1,
    SpanL2,
    GlazingH1,
    GlazingH2,
    GlassThickness,
    Divisor,
    AllowableDeflection,
    Criterion,
    StructureWeight,
    SnowHeight,
    Slope,
    SeriesVeltra,
    SeriesKorin,
    SeriesTerrax,
    CaseOneSpan,
    CaseFixedEnds,
    CaseEqualSpans,
    CaseUnequalSpans,
    CaseShortUpperSpan,
    WindFromBand,
    HeightBandUpTo,
    WindTyped,
    WindFromSite,
    WindFromSpeed,
    SlopedIntro,
    PictureCaption,
    RuleGoverned,
    DesignedLimit,
    RuleSpanOverDivisor,
    RuleAllowable,
    RuleCap15,
    RuleSpanOver200,
    RuleFivePlusSpanOver300,
    RuleSpanOver250,
    SuggestedMullion,
    SuggestedTransom,
    CatalogueRange,
    MullionChoice,
    NoMullionFits,
    DeflectionCheck,
    StressCheck,
    Utilisation,
    Passes,
    Fails,
    MullionPasses,
    MullionFails,
    MaxSpanMoment,
    DesignMoment,
    Uplift,
    NotRun,
    NotReady,
    RefusedRow,  // line {1}, bay {2}: {3}
    CannotWrite,
    Count
};

std::string phrase(Phrase p, bool english);

}  // namespace cw::report
