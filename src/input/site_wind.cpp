#include "input/site_wind.h"

#include "bay/bay_run.h"

#include "input/wind_load.h"
#include "bay/field_rules.h"
#include "text/messages.h"

#include <cmath>

namespace cw {

namespace {

struct EntryInfo {
    std::string_view key;
    std::string_view greek;
    std::string_view english;
};

constexpr std::array<EntryInfo, kSiteWindEntries> kEntries{{
    {"vb0", "Βασική ταχύτητα ανέμου vb,0 (m/s)", "Basic wind velocity vb,0 (m/s)"},
    {"cdir", "Συντελεστής διεύθυνσης cdir", "Directional factor cdir"},
    {"cseason", "Συντελεστής εποχής cseason", "Season factor cseason"},
    {"category", "Κατηγορία εδάφους", "Terrain category"},
    {"z", "Ύψος z (m)", "Height z (m)"},
    {"cpe10", "cpe,10", "cpe,10"},
    {"cpe1", "cpe,1", "cpe,1"},
    {"area", "Επιφάνεια φόρτισης A (m^2)", "Loaded area A (m^2)"},
    {"cpi", "cpi", "cpi"},
}};

// A wall's edge zone in the open: the defaults of a first look at a site.
constexpr SiteWindInput kDefaults{27.0, 1.0, 1.0, TerrainCategory::II, 10.0, -1.2, -1.4, 1.0, 0.2};

std::string_view categoryText(TerrainCategory category) {
    switch (category) {
    case TerrainCategory::Zero: return "0";
    case TerrainCategory::I: return "I";
    case TerrainCategory::II: return "II";
    case TerrainCategory::III: return "III";
    case TerrainCategory::IV: return "IV";
    }
    return "II";
}

std::size_t at(SiteWindEntry e) {
    return static_cast<std::size_t>(e);
}

SiteWindEntry entryOf(SiteWindField field) {
    switch (field) {
    case SiteWindField::Vb0: return SiteWindEntry::Vb0;
    case SiteWindField::Cdir: return SiteWindEntry::Cdir;
    case SiteWindField::Cseason: return SiteWindEntry::Cseason;
    case SiteWindField::Category: return SiteWindEntry::Category;
    case SiteWindField::Height: return SiteWindEntry::Z;
    case SiteWindField::Cpe10: return SiteWindEntry::Cpe10;
    case SiteWindField::Cpe1: return SiteWindEntry::Cpe1;
    case SiteWindField::Area: return SiteWindEntry::Area;
    case SiteWindField::Cpi: return SiteWindEntry::Cpi;
    }
    return SiteWindEntry::Vb0;
}

// The pressure as the dialog writes it into the pressure field.
}  // namespace

std::string_view siteWindKey(SiteWindEntry entry) {
    return kEntries[at(entry)].key;
}

std::optional<SiteWindEntry> siteWindEntryOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (kEntries[i].key == key)
            return SiteWindEntry(i);
    return std::nullopt;
}

std::string siteWindCaption(SiteWindEntry entry, Language language) {
    return std::string(language == Language::English ? kEntries[at(entry)].english
                                                     : kEntries[at(entry)].greek);
}

SiteWindTexts siteWindTexts(const WindowState& w) {
    const SiteWindInput in = w.siteWind ? w.siteWind->input : kDefaults;
    const NumberFormat& fmt = w.numberFormat();
    SiteWindTexts t;
    t[at(SiteWindEntry::Vb0)] = plainText(in.vb0_ms, fmt);
    t[at(SiteWindEntry::Cdir)] = plainText(in.cdir, fmt);
    t[at(SiteWindEntry::Cseason)] = plainText(in.cseason, fmt);
    t[at(SiteWindEntry::Category)] = std::string(categoryText(in.category));
    t[at(SiteWindEntry::Z)] = plainText(in.z_m, fmt);
    t[at(SiteWindEntry::Cpe10)] = plainText(in.cpe10, fmt);
    t[at(SiteWindEntry::Cpe1)] = plainText(in.cpe1, fmt);
    t[at(SiteWindEntry::Area)] = plainText(in.area_m2, fmt);
    t[at(SiteWindEntry::Cpi)] = plainText(in.cpi, fmt);
    return t;
}

SiteWindReading readSiteWind(const SiteWindTexts& texts, const NumberFormat& fmt,
                             Language language) {
    SiteWindReading out;
    const auto refuse = [&](SiteWindEntry e, Message m,
                            std::initializer_list<std::string_view> more) {
        std::string caption = siteWindCaption(e, language);
        if (more.size() == 0)
            out.refusal = say(m, language, {caption});
        else
            out.refusal = say(m, language, {caption, *more.begin(), *(more.begin() + 1)});
        return out;
    };

    SiteWindInput in;
    double* numbers[] = {&in.vb0_ms, &in.cdir, &in.cseason, nullptr, &in.z_m,
                         &in.cpe10,  &in.cpe1, &in.area_m2, &in.cpi};
    for (std::size_t i = 0; i < kSiteWindEntries; ++i) {
        const SiteWindEntry e = SiteWindEntry(i);
        const std::string& text = texts[i];
        if (text.find_first_not_of(" \t") == std::string::npos)
            return refuse(e, Message::FieldEmpty, {});
        if (e == SiteWindEntry::Category) {
            const std::optional<TerrainCategory> category = terrainCategoryFromText(text);
            if (!category)
                return refuse(e, Message::CategoryUnknown, {});
            in.category = *category;
            continue;
        }
        const std::optional<double> value = parseNumber(text, fmt);
        if (!value) {
            out.refusal = say(Message::FieldNotANumber, language,
                              {siteWindCaption(e, language), shortened(text)});
            return out;
        }
        *numbers[i] = *value;
    }

    const SiteWindOutcome outcome = siteWindPressure(in);
    if (outcome.error) {
        const SiteWindEntry e = entryOf(outcome.error->field);
        switch (outcome.error->fault) {
        case SiteWindFault::Negative: return refuse(e, Message::FieldNegative, {});
        case SiteWindFault::NotPositive: return refuse(e, Message::FieldNotPositive, {});
        case SiteWindFault::AboveMaximum: return refuse(e, Message::FieldAtMost, {"200", "m"});
        case SiteWindFault::UnknownCategory: return refuse(e, Message::CategoryUnknown, {});
        case SiteWindFault::NotFinite:
            out.refusal = say(Message::ValueTooLarge, language, {siteWindCaption(e, language)});
            return out;
        }
        return out;
    }
    out.input = in;
    out.pressure = outcome.pressure;
    return out;
}

std::string siteWindPreview(const SiteWindTexts& texts, const NumberFormat& fmt,
                            Language language) {
    const SiteWindReading read = readSiteWind(texts, fmt, language);
    if (!read.pressure)
        return read.refusal;
    return say(Message::SiteWindPreview, language,
               {plainText(read.pressure->qp_kNm2, fmt, 3),
                siteWindPressureText(read.pressure->w_kNm2, fmt)});
}

void applySiteWind(WindowState& w, const SiteWindTexts& texts) {
    const Language language = w.languageShowing();
    const NumberFormat& fmt = w.numberFormat();
    const SiteWindReading read = readSiteWind(texts, fmt, language);
    if (!read.pressure) {
        w.message(read.refusal);
        return;
    }
    // The pressure goes in as the pressure button would take it, or nothing changes.
    const std::string pressure = siteWindPressureText(read.pressure->w_kNm2, fmt);
    if (auto refusal =
            checkField({Field::WindPressure, Bound::NonNegative, true}, pressure, fmt, language)) {
        w.refuse(*refusal);
        return;
    }
    w.write(Field::WindPressure, pressure);
    takeTypedPressure(w);
    w.siteWind = SiteWindApplied{*read.input, *read.pressure};
}

bool siteWindInForce(const WindowState& w) {
    if (!w.siteWind || w.windSource != WindSource::TypedPressure)
        return false;
    const FormState& values = w.form();
    const std::string taken = values.windInput == WindInput::TypedPressure
                                  ? w.text(Field::WindPressure)
                                  : values.windPressure.toText(w.numberFormat());
    return taken == siteWindPressureText(w.siteWind->result.w_kNm2, w.numberFormat());
}

}  // namespace cw
