#include "bay/bay_run.h"

#include "bay/field_rules.h"
#include "bay/limit_state_inputs.h"
#include "design/shown_rounding.h"
#include "design/site_wind.h"

#include <cmath>

namespace cw {

namespace {

// The capped deflection field as a window opens; a run never reads it before f is a number.
constexpr std::string_view kStartCappedDeflection = "0";

std::optional<StaticSystem> systemOf(const BayDocument& d, std::optional<Series> series) {
    // Terrax offers no fixed ends: the option is not there to choose.
    if (d.staticSystem == StaticSystem::FixedEnds && series == Series::Terrax)
        return std::nullopt;
    return d.staticSystem;
}

// The wind load the window kept, restored as it was: no button is pressed again.
void restoreWind(const BayDocument& d, const BayKeptState& kept, RunInputs& in) {
    in.windSource = d.wind.source;
    in.windInput = kept.windInput;
    in.windPressure = kept.pressure;
    in.heightBandLimit = kept.heightBandLimit;
}

// The site values, when the pressure the run takes is the one they gave.
std::optional<SiteWindApplied> siteWindInForce(const BayKeptState& kept, const RunInputs& in) {
    if (!kept.siteWind || in.windSource != WindSource::TypedPressure)
        return std::nullopt;
    const SiteWindOutcome site = siteWindPressure(*kept.siteWind);
    if (!site.pressure)
        return std::nullopt;
    const std::string taken = in.windInput == WindInput::TypedPressure
                                  ? std::string(in.text(Field::WindPressure))
                                  : in.windPressure.toText(*in.fmt);
    if (taken != siteWindPressureText(site.pressure->w_kNm2, *in.fmt))
        return std::nullopt;
    return SiteWindApplied{*kept.siteWind, *site.pressure};
}

// What the pressure or speed button, or the band, does with the document's wind: the pressure
// in force it leaves for NEXT, or its refusal.
WindTaken takeDocumentWind(const BayDocument& d, RunInputs& in) {
    WindTaken wind = takeWind(d.wind.source, d.wind.band, in.text(Field::WindPressure),
                              in.text(Field::WindSpeed), *in.fmt, in.language);
    if (wind.refusal || wind.source == WindSource::None)
        return wind;
    in.windSource = wind.source;
    in.windInput = wind.input;
    in.windPressure = wind.pressure;
    in.heightBandLimit = wind.heightBandLimit;
    return wind;
}

// The limits a run without a static system keeps, where their inputs are numbers, as a run
// with a system keeps them.
KeptLimits limitsKeptWithoutSystem(const RunInputs& in, const BayInput& bay) {
    const NumberFormat& fmt = *in.fmt;
    KeptLimits kept;
    if (const std::optional<double> L1 = in.num(Field::SpanL1)) {
        const KeptSpanLimits limits = keptSpanLimits(*L1, bay.divisor);
        const std::string ratio = fixedText(double(limits.ratioLimitSingle_cm), fmt, 7);
        if (std::isfinite(limits.spanL1Single_cm) && parseNumber(ratio, fmt)) {
            kept.mullionLengthSingle = TaggedValue::single(limits.spanL1Single_cm);
            kept.ratioLimit = TaggedValue::text(ratio);
        }
    }
    if (const std::optional<double> f = in.num(Field::AllowableDeflection)) {
        const std::string absolute = fixedText(*f * 0.1, fmt);
        if (parseNumber(absolute, fmt))
            kept.absoluteLimit = TaggedValue::text(absolute);
    }
    return kept;
}

KeptLimits limitsKeptBy(const BayDesign& d, const NumberFormat& fmt) {
    KeptLimits kept;
    if (!d.limitsKept)
        return kept;
    kept.mullionLengthSingle = TaggedValue::single(d.spanL1Single_cm);
    kept.ratioLimit = TaggedValue::text(fixedText(double(d.ratioLimitSingle_cm), fmt, 7));
    kept.absoluteLimit = d.absoluteLimitCapped
                             ? TaggedValue::real(1.5)
                             : TaggedValue::text(fixedText(d.absoluteLimit_cm, fmt));
    return kept;
}

// A result the panel shows after a completed run, as a number.
std::optional<double> shownNumber(const BayDesign& design, const RunTexts& texts, Field f,
                                  const NumberFormat& fmt) {
    if (!showsAfterRun(design, f))
        return std::nullopt;
    const std::optional<double> x = parseNumber(texts[f], fmt);
    if (!x || !std::isfinite(*x))
        return std::nullopt;
    return x;
}

}  // namespace

bool showsAfterRun(const BayDesign& design, Field f) {
    if (design.mullion)
        return true;
    switch (f) {
    case Field::SuggestedMullion:
    case Field::SuggestedTransom:
    case Field::RequiredTransomJx:
    case Field::RequiredTransomJy:
    case Field::MullionDeflection:
    case Field::SuggestedIx:
    case Field::DesignedDeflectionLimit: return false;
    default: return true;
    }
}

RunVerdicts verdictsOf(const BayDesign& design, const RunTexts& texts, const NumberFormat& fmt) {
    RunVerdicts v;
    if (const auto sigma = shownNumber(design, texts, Field::MullionStress, fmt)) {
        v.aluminiumStress = compareAsShown(*sigma, kAllowableStress_kNcm2);
        v.stressPasses = *v.aluminiumStress <= 0 &&
                         (!design.mullion || !design.mullion->insert ||
                          design.mullion->insert->bending.steelUtilisation <= 1.0);
    }
    const auto deflection = shownNumber(design, texts, Field::MullionDeflection, fmt);
    const auto allowable = shownNumber(design, texts, Field::DesignedDeflectionLimit, fmt);
    if (deflection && allowable)
        v.deflectionPasses = compareAsShown(*deflection, *allowable) <= 0;
    return v;
}

std::string siteWindPressureText(double w_kNm2, const NumberFormat& fmt) {
    return plainText(w_kNm2, fmt, 6);
}

bool readyToRun(const BayDocument& d) {
    if (!d.series || !d.staticSystem || d.wind.source == WindSource::None)
        return false;
    return !(d.series == Series::Terrax && d.staticSystem == StaticSystem::FixedEnds);
}

bool BayOutcome::shows(Field f) const {
    return completed && showsAfterRun(design, f);
}

const Refusal* BayOutcome::windRefusal() const {
    return windTaken && windTaken->refusal ? &*windTaken->refusal : nullptr;
}

const std::string* BayOutcome::firstMessage() const {
    if (const Refusal* wind = windRefusal())
        return &wind->message;
    if (refusal)
        return &refusal->message;
    return nullptr;
}

BayOutcome runBay(const BayDocument& d, const NumberFormat& fmt, const Catalogue* userCatalogue) {
    BayOutcome out;
    RunInputs in;
    in.fmt = &fmt;
    in.language = d.language;
    // A user catalogue stands in for the series option of its use, whatever the document says.
    in.series = userCatalogue ? seriesOfUse(userCatalogue->use) : d.series;
    in.system = systemOf(d, in.series);
    in.criterion = d.deflectionCriterion;
    for (const BayDocumentText& slot : bayDocumentTexts())
        in.texts[static_cast<std::size_t>(slot.field)] = d.*slot.text;
    std::string_view& capped = in.texts[static_cast<std::size_t>(Field::AllowableDeflectionCapped)];
    // The pressure in force's field as the window shows it before NEXT: empty as a window
    // opens, until a wind is taken.
    std::string pressureInForce;
    if (d.kept) {
        capped = d.kept->allowableDeflectionCapped_mm;
        pressureInForce = d.kept->pressureInForce;
        restoreWind(d, *d.kept, in);
        out.siteWind = siteWindInForce(*d.kept, in);
    } else {
        capped =
            cappedDeflectionText(d.allowableDeflection_mm, fmt).value_or(kStartCappedDeflection);
        // Opening takes the wind load before anything else runs, with or without a series.
        out.windTaken = takeDocumentWind(d, in);
        // Empty when nothing was taken, as the field stays.
        pressureInForce = out.windTaken->pressureInForceText;
    }
    out.allowableDeflectionCapped = capped;
    out.windSource = in.windSource;
    out.heightBandLimit = in.heightBandLimit;
    if (!in.series)
        return out;

    const RunRequest run = readRun(in);
    if (run.refusal) {
        out.refusal = run.refusal;
        return out;
    }
    out.input = run.bay;
    if (!run.systemChosen) {
        echoTexts(in, run, out.texts);
        out.texts[Field::EchoPressure] = fixedTextOf(pressureInForce, fmt);
        out.texts[Field::EchoWindSpeed] = windSpeedText(pressureInForce, fmt);
        if (run.bay.series != Series::Terrax)
            out.keptLimits = limitsKeptWithoutSystem(in, run.bay);
        out.echoedWithoutSystem = true;
        return out;
    }
    const Catalogue& catalogue =
        userCatalogue ? *userCatalogue : builtInCatalogues().of(run.bay.series);
    // The limit-state basis reads its own inputs before anything is designed; the allowable
    // basis reads none of them.
    const Alloy* alloy = d.basis == DesignBasis::LimitStates ? findAlloy(d.alloy) : nullptr;
    LimitStateOptionsReading options;
    if (alloy) {
        options = readLimitStateOptions(alloy, d.hanging, d.factors, d.groundSnow_kNm2,
                                        catalogue.use == CatalogueUse::Sloped, fmt, d.language);
        if (options.refusal) {
            out.refusal = options.refusal;
            return out;
        }
    }
    out.design = designBay(run.bay, catalogue);
    if (!out.design.finite) {
        out.refusal = resultOutOfRange(in.language);
        return out;
    }
    out.completed = true;
    designTexts(in, run, out.design, out.texts);

    out.verdicts = verdictsOf(out.design, out.texts, fmt);
    out.keptLimits = limitsKeptBy(out.design, fmt);
    if (alloy)
        out.limitStates = runLimitStates(out.input, out.design, catalogue, options.options);
    return out;
}

}  // namespace cw
