#include "model/choices.h"

#include "bay/catalogue_ref.h"
#include "bay/run_texts.h"
#include "design/alloys.h"
#include "design/site_wind.h"
#include "model/field_controls.h"
#include "model/option_values.h"
#include "model/results_panel.h"
#include "model/window_run.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace cw {

using C = ControlId;

void chooseSeries(WindowState& w, Series series) {
    const bool terrax = series == Series::Terrax;
    w.unselect(optionOf(HeightBand::UpTo8m));
    w.show(C::Image5);
    if (!terrax)
        w.hide({C::Image7, C::Image8});
    FormState& values = w.values();
    values.seriesChosen = true;
    // The next run labels its results in the language showing, not always in Greek.
    values.language = w.languageShowing();
    const ControlId fixedEnds = optionOf(StaticSystem::FixedEnds);
    if (terrax)
        w.hide({fixedEnds, C::Label21});
    else
        w.show({fixedEnds, C::Label21});
    w.hide(C::Label77);
    if (terrax)
        w.show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    else
        w.hide({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    for (const OptionValue<StaticSystem>& option : kSystemOptions)
        w.unselect(option.option);
    w.hide({C::Command5, C::Command6, C::Command18, C::Command20, C::Command13, C::Command3,
            C::Command12, C::Text4, C::Text7, C::Text2, C::Text13, C::Text10, C::Text12});
}

void chooseStaticSystem(WindowState& w, StaticSystem system) {
    const std::optional<Series> series = chosenSeries(w);
    if (!series)
        return;
    const bool terrax = series == Series::Terrax;
    const bool twoSpans = system == StaticSystem::TwoSpans;
    if (terrax && system == StaticSystem::OneSpan) {
        w.show(C::Image7);
        w.hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image8});
    } else if (terrax && twoSpans) {
        w.show(C::Image8);
        w.hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image7});
    } else if (system == StaticSystem::OneSpan) {
        w.show(C::Image2);
        w.hide({C::Image3, C::Image4, C::Image5, C::Image7, C::Image8});
    } else if (twoSpans) {
        w.show(C::Image3);
        w.hide({C::Image2, C::Image4, C::Image5, C::Image7, C::Image8});
    } else {
        w.show(C::Image4);
        w.hide({C::Image2, C::Image3, C::Image5});
    }

    w.show({C::Text4, C::Text7, C::Text2, C::Text10, C::Text12, C::Command5, C::Command6,
            C::Command12, C::Command13, C::Command3});
    if (twoSpans) {
        w.show({C::Text13, C::Command18, C::Command20});
        w.write(Field::SpanL2, {});
    } else {
        w.hide({C::Text13, C::Command18, C::Command20});
    }
    for (Field f : {Field::LoadWidth, Field::SpanL1, Field::GlazingHeightH1, Field::GlazingHeightH2,
                    Field::GridWidthA1, Field::GridWidthA2})
        w.write(f, {});
    w.moveFocus(Field::GridWidthA1);
}

void chooseCatalogue(WindowState& w, ChosenCatalogue chosen) {
    if (!chosen.catalogue)
        return;
    const Series series = seriesOfUse(chosen.catalogue->use);
    for (const OptionValue<Series>& option : kSeriesOptions)
        w.unselect(option.option);
    w.userCatalogue = std::move(chosen);
    chooseSeries(w, series);
}

void chooseSeriesOptions(WindowState& w) {
    if (!w.userCatalogue || !w.userCatalogue->catalogue)
        return;
    const Series series = seriesOfUse(w.userCatalogue->catalogue->use);
    w.userCatalogue.reset();
    w.select(optionOf(series));
    chooseSeries(w, series);
}

namespace {

void showEnglishCaptions(WindowState& w) {
    w.show({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
            C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    w.show({C::Command11, C::Command14});
    w.hide({C::Command15, C::Command16});
    w.show({C::Command19, C::Command22, C::Command17});
    w.show({C::Label85,  C::Label88,  C::Label89,  C::Label90,  C::Label91,
            C::Label92,  C::Label93,  C::Label94,  C::Label95,  C::Label96,
            C::Label97,  C::Label86,  C::Label98,  C::Label99,  C::Label100,
            C::Label101, C::Label102, C::Label87,  C::Label103, C::Label104,
            C::Label105, C::Label106, C::Label107, C::Label108, C::Label109});
    if (w.selected(optionOf(Series::Terrax))) {
        w.hide({C::Label115, C::Label116, C::Label117, C::Label77});
        w.show({C::Text40, C::Text41, C::Text42});
        w.show({C::Label118, C::Label119, C::Label120});
    }
    w.values().language = Language::English;
}

void showGreekCaptions(WindowState& w) {
    w.hide({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
            C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    w.hide({C::Label85,  C::Label88,  C::Label89,  C::Label90,  C::Label91,
            C::Label92,  C::Label93,  C::Label94,  C::Label95,  C::Label96,
            C::Label97,  C::Label86,  C::Label98,  C::Label99,  C::Label100,
            C::Label101, C::Label102, C::Label87,  C::Label103, C::Label104,
            C::Label105, C::Label106, C::Label107, C::Label108, C::Label109});
    w.hide({C::Command11, C::Command14});
    w.show({C::Command15, C::Command16});
    w.hide({C::Command19, C::Command22, C::Command17});
    if (w.selected(optionOf(Series::Terrax))) {
        w.show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
        w.hide({C::Label118, C::Label119, C::Label120});
    }
    w.values().language = Language::Greek;
}

}  // namespace

void showEnglish(WindowState& w) {
    showEnglishCaptions(w);
    relabelShownRun(w);
}

void showGreek(WindowState& w) {
    showGreekCaptions(w);
    relabelShownRun(w);
}

void showCaptionsIn(WindowState& w, Language language) {
    if (language == Language::English)
        showEnglishCaptions(w);
    else
        showGreekCaptions(w);
}

void chooseCriterion(WindowState& w, DeflectionCriterion criterion) {
    w.criterion = criterion;
}

void chooseBasis(WindowState& w, DesignBasis basis) {
    w.basis = basis;
}

bool chooseAlloy(WindowState& w, std::string_view name) {
    const Alloy* alloy = findAlloy(name);
    if (!alloy)
        return false;
    w.alloy = std::string(alloy->name);
    return true;
}

void chooseHanging(WindowState& w, Hanging hanging) {
    w.hanging = hanging;
}

namespace {

void putInForce(WindowState& w, const WindTaken& wind) {
    w.windSource = wind.source;
    FormState& values = w.values();
    values.windInput = wind.input;
    values.windPressure = wind.pressure;
}

}  // namespace

void showWindTaken(WindowState& w, WindSource asked, const WindTaken& wind) {
    switch (asked) {
    case WindSource::HeightBand:
        w.values().heightBandLimit = wind.heightBandLimit;
        w.write(Field::WindPressure, {});
        w.write(Field::WindSpeed, wind.speedText);
        w.write(Field::PressureInForce, wind.pressureInForceText);
        // The band's pressure is now the one in force: a pressure mode left from the pressure
        // button would make the next run read the pressure field just emptied.
        putInForce(w, wind);
        return;
    case WindSource::TypedPressure:
    case WindSource::WindSpeed: {
        if (wind.refusal) {
            w.refuse(*wind.refusal);
            return;
        }
        const bool typed = asked == WindSource::TypedPressure;
        w.show(controlOf(typed ? Field::WindPressure : Field::WindSpeed));
        putInForce(w, wind);
        w.write(Field::PressureInForce, wind.pressureInForceText);
        // The speed of a typed pressure; after the speed button the pressure field reads 0.
        if (typed)
            w.write(Field::WindSpeed, wind.speedText);
        else
            w.write(Field::WindPressure, "0");
        return;
    }
    case WindSource::None: return;
    }
}

void followAllowableDeflection(WindowState& w) {
    const std::string typed = w.text(Field::AllowableDeflection);
    if (const std::optional<std::string_view> capped =
            cappedDeflectionText(typed, w.numberFormat()))
        w.write(Field::AllowableDeflectionCapped, std::string(*capped));
}

namespace {

// The wind load as the window held it when the bay was saved: no button is pressed again, so
// a pressure field typed over after its button was pressed stays as it was, unread.
void restoreWind(WindowState& w, WindSource source, const BayKeptState& kept) {
    w.windSource = source;
    for (const OptionValue<HeightBand>& band : kHeightBandOptions)
        w.unselect(band.option);
    if (kept.bandSelected)
        w.select(optionOf(*kept.bandSelected));
    FormState& values = w.values();
    values.windInput = kept.windInput;
    values.windPressure = kept.pressure;
    values.heightBandLimit = kept.heightBandLimit;
    w.siteWind.reset();
    if (kept.siteWind)
        if (const SiteWindOutcome site = siteWindPressure(*kept.siteWind); site.pressure)
            w.siteWind = SiteWindApplied{*kept.siteWind, *site.pressure};
}

// An option as a user's choice leaves it: focused and selected. The caller then does what
// choosing it does; nothing is clicked.
bool takeOption(WindowState& w, ControlId option) {
    w.setFocus(option);
    if (w.selected(option))
        return false;
    w.select(option);
    return true;
}

}  // namespace

// The window's controls as the document sets them, in the order a user would go: the
// language first, since a series takes it over; the texts as typed last, after the choices
// that empty or fill some of them.
void showDocument(WindowState& w, const BayDocument& d, std::optional<ChosenCatalogue> chosen,
                  const BayOutcome& run) {
    chooseCriterion(w, d.deflectionCriterion);
    chooseBasis(w, d.basis);
    chooseAlloy(w, d.alloy);
    chooseHanging(w, d.hanging);
    w.groundSnow_kNm2 = d.groundSnow_kNm2;
    w.factors = d.factors;
    w.project = d.project;
    if (d.language == Language::English) {
        w.setFocus(C::Command10);
        // A window just reopened shows no results to label again.
        showCaptionsIn(w, Language::English);
    }
    if (chosen) {
        chooseCatalogue(w, std::move(*chosen));
    } else if (d.series) {
        if (takeOption(w, optionOf(*d.series))) {
            w.userCatalogue.reset();
            chooseSeries(w, *d.series);
        }
    }
    const bool terrax = d.series == Series::Terrax;
    if (d.staticSystem) {
        // Terrax offers no fixed ends
        if (!(terrax && *d.staticSystem == StaticSystem::FixedEnds) &&
            takeOption(w, optionOf(*d.staticSystem)))
            chooseStaticSystem(w, *d.staticSystem);
    }

    // The wind the run took from the document, shown as its band or button shows it.
    if (d.kept)
        restoreWind(w, d.wind.source, *d.kept);
    else if (run.windTaken)
        switch (d.wind.source) {
        case WindSource::HeightBand:
            if (d.wind.band && takeOption(w, optionOf(*d.wind.band)))
                showWindTaken(w, WindSource::HeightBand, *run.windTaken);
            break;
        case WindSource::TypedPressure:
            w.write(Field::WindPressure, d.windPressure_kNm2);
            w.setFocus(C::Command2);
            showWindTaken(w, WindSource::TypedPressure, *run.windTaken);
            break;
        case WindSource::WindSpeed:
            w.write(Field::WindSpeed, d.windSpeed_kmh);
            w.setFocus(C::Command4);
            showWindTaken(w, WindSource::WindSpeed, *run.windTaken);
            break;
        case WindSource::None: break;
        }
    for (const BayDocumentText& slot : bayDocumentTexts())
        w.write(slot.field, d.*slot.text);
    if (d.kept)
        w.write(Field::PressureInForce, d.kept->pressureInForce);
    w.write(Field::AllowableDeflectionCapped, run.allowableDeflectionCapped);
    w.moveFocus(Field::GridWidthA1);
}

}  // namespace cw
