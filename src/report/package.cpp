#include "report/package.h"

#include "bay/limit_state_texts.h"
#include "design/alloys.h"
#include "design/bay.h"
#include "design/support_reactions.h"
#include "text/messages.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

const std::string kNone = "—";

// Column widths in mm across the 174 mm of the page.
const std::vector<double> kSummaryWidths = {18, 22, 18, 18, 13, 19, 22, 14, 20, 10};
const std::vector<double> kAnchorWidths = {19, 15, 17.5, 17.5, 17.5, 17.5, 17.5, 17.5, 17.5, 17.5};
const std::vector<double> kRevisionWidths = {16, 30, 128};

Message seriesOf(Series s) {
    switch (s) {
    case Series::Veltra: return Message::ReportSeriesVeltra;
    case Series::KorinDalvo: return Message::ReportSeriesKorin;
    case Series::Terrax: return Message::ReportSeriesTerrax;
    }
    return Message::ReportSeriesVeltra;
}

Message systemOf(StaticSystem s) {
    switch (s) {
    case StaticSystem::OneSpan: return Message::PackageSystemOneSpan;
    case StaticSystem::FixedEnds: return Message::PackageSystemFixedEnds;
    case StaticSystem::TwoSpans: return Message::PackageSystemTwoSpans;
    }
    return Message::PackageSystemOneSpan;
}

std::string number(double v, const NumberFormat& fmt) {
    const bool whole = std::abs(v) < 1e15 && std::floor(v) == v;
    return plainText(v, fmt, whole ? 15 : 6);
}

std::string kN(double v, const NumberFormat& fmt) {
    std::string s = fixedText(v, fmt);
    if (!s.empty() && s[0] == '-')
        s.replace(0, 1, "−");
    return s;
}

bool edition2015(DeflectionRule r) {
    return r == DeflectionRule::SpanOver200 || r == DeflectionRule::FiveMmPlusSpanOver300 ||
           r == DeflectionRule::SpanOver250;
}

Block tableRow(std::vector<std::string> cells, const std::vector<double>& widths,
               bool header = false, bool ok = true, int link = -1) {
    Block b = makeBlock(BlockKind::TableRow, {}, {}, {}, ok);
    b.cells = std::move(cells);
    b.widths_mm = widths;
    b.header = header;
    b.link = link;
    return b;
}

// The anchors of a limit-state run, characteristic and design.
void limitStateAnchors(BaySummary& s, const LimitStateResult& r, const NumberFormat& fmt) {
    for (int k = 0; k < r.anchorCount; ++k) {
        const AnchorForce& a = r.anchors[std::size_t(k)];
        s.anchors.push_back(
            {std::to_string(k + 1),
             {kN(a.pressureChar_kN, fmt), kN(a.pressureUlt_kN, fmt), kN(a.suctionChar_kN, fmt),
              kN(a.suctionUlt_kN, fmt), kN(a.deadAlongChar_kN, fmt), kN(a.deadAlongUlt_kN, fmt),
              kN(a.deadAcrossChar_kN, fmt), kN(a.deadAcrossUlt_kN, fmt)}});
    }
}

// The reactions the bay's own pages print: beam theory under the run's line load, which is
// the wind (or the sloped glazing's whole load), characteristic.
void allowableAnchors(BaySummary& s, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const double q_kNm = bay.design.loadWidth_cm * bay.design.designPressure_kNm2 / 100.0;
    const SupportReactions r =
        supportReactions(in.system, q_kNm, in.spanL1_cm / 100.0,
                         in.system == StaticSystem::TwoSpans ? in.spanL2_cm / 100.0 : 0.0);
    for (std::size_t k = 0; k < r.reactions_kN.size(); ++k)
        s.anchors.push_back(
            {std::to_string(k + 1),
             {kN(r.reactions_kN[k], bay.fmt()), kNone, kNone, kNone, kNone, kNone, kNone, kNone}});
}

std::string joinNames(const std::vector<std::string>& names) {
    // A long schedule names its first bays and says how many more.
    constexpr std::size_t kShown = 12;
    std::string s;
    for (std::size_t i = 0; i < names.size() && i < kShown; ++i)
        s += (i ? ", " : "") + names[i];
    if (names.size() > kShown)
        s += ", … (+" + std::to_string(names.size() - kShown) + ")";
    return s;
}

}  // namespace

BaySummary summarizeBay(const ReportBay& bay, int index) {
    const Language lang = bay.language;
    const NumberFormat& fmt = bay.fmt();
    BaySummary s;
    s.name = bay.name;
    s.bay = index;
    if (bay.refusal) {
        s.fails = true;
        s.cells = {kNone, kNone, kNone, kNone,
                   kNone, kNone, kNone, say(Message::PackageNotCalculated, lang)};
        return s;
    }
    s.calculated = true;
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    const std::string series =
        bay.document.catalogue ? bay.document.catalogue->name : say(seriesOf(in.series), lang);
    std::string spans = number(in.spanL1_cm, fmt);
    if (in.system == StaticSystem::TwoSpans)
        spans += " + " + number(in.spanL2_cm, fmt);
    std::string mullion = bay.shown(Field::SuggestedMullion);
    std::string utilisation = kNone;
    bool fails = false;
    if (const auto& ls = bay.run.limitStates) {
        const LimitStateResult& r = ls->result;
        if (ls->mullion)
            mullion = ls->mullion->code;
        if (r.valid && r.governing >= 0)
            utilisation = fixedText(r.checks[std::size_t(r.governing)].utilisation, fmt) + " " +
                          say(Message::PackageLimitStateShort, lang);
        fails = !r.valid || ls->noRowPasses || r.verdict == LimitStateVerdict::Fails;
        s.limitState = true;
        s.alloy = bay.document.alloy;
        s.factors = ls->options.factors;
        limitStateAnchors(s, r, fmt);
    } else if (d.mullion) {
        const MullionCheck& m = *d.mullion;
        const bool deflectionGoverns = m.deflectionUtilisation >= m.stressUtilisation;
        utilisation = fixedText(std::max(m.deflectionUtilisation, m.stressUtilisation), fmt) +
                      (deflectionGoverns ? " δ" : " σ");
        fails = !(bay.run.verdicts.deflectionPasses.value_or(m.deflectionPasses) &&
                  bay.run.verdicts.stressPasses.value_or(m.stressPasses));
        allowableAnchors(s, bay);
    } else {
        fails = true;  // no mullion of the catalogue is enough
        allowableAnchors(s, bay);
    }
    if (mullion.empty())
        mullion = kNone;
    s.fails = fails;
    s.cells = {
        series,
        say(systemOf(in.system), lang),
        spans,
        fixedText(d.designPressure_kNm2, fmt),
        mullion,
        bay.shown(Field::SuggestedTransom).empty() ? kNone : bay.shown(Field::SuggestedTransom),
        utilisation,
        say(fails ? Message::ReportFails : Message::ReportPasses, lang)};
    s.wind = in.windSource;
    s.siteWind = bay.siteWind.has_value();
    s.sloped = d.slopedGlazing.has_value();
    s.edition = edition2015(d.rule) ? "13830:2015+A1" : "13830:2003";
    return s;
}

BaySummary summarizeRefused(const RefusedRow& row, Language language) {
    BaySummary s;
    s.name = row.id;
    s.fails = true;
    s.cells = {kNone, kNone, kNone, kNone,
               kNone, kNone, kNone, say(Message::PackageNotCalculated, language)};
    return s;
}

std::vector<std::size_t> summaryOrder(const std::vector<BaySummary>& bays) {
    std::vector<std::size_t> order(bays.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_partition(order.begin(), order.end(), [&](std::size_t i) { return bays[i].fails; });
    return order;
}

namespace {

std::vector<Block> titlePage(const ProjectData& project, const std::string& date,
                             const std::string& program, Language lang,
                             const std::vector<BaySummary>& bays) {
    std::vector<Block> b;
    b.push_back(makeBlock(BlockKind::Title, say(Message::PackageTitle, lang)));
    if (!project.name.empty())
        b.push_back(makeBlock(BlockKind::Title, project.name));
    const auto row = [&](Message label, const std::string& value) {
        if (!value.empty())
            b.push_back(makeBlock(BlockKind::Row, say(label, lang), value));
    };
    row(Message::ReportProjectLabel, project.name);
    row(Message::PackageSite, project.site);
    row(Message::PackageClient, project.client);
    row(Message::PackageEngineer, project.engineer);
    row(Message::PackageChecker, project.checker);
    row(Message::PackageDate, date);
    row(Message::PackageProgram, program);
    std::size_t calculated = 0;
    for (const BaySummary& s : bays)
        calculated += s.calculated ? 1 : 0;
    b.push_back(makeBlock(BlockKind::Text, say(Message::PackageBayCount, lang,
                                               {std::to_string(calculated),
                                                std::to_string(bays.size() - calculated)})));
    if (!project.revisions.empty()) {
        b.push_back(makeBlock(BlockKind::Heading, say(Message::PackageRevisions, lang)));
        b.push_back(tableRow({say(Message::PackageRevision, lang), say(Message::PackageDate, lang),
                              say(Message::PackageDescription, lang)},
                             kRevisionWidths, true));
        for (const ProjectRevision& r : project.revisions)
            b.push_back(tableRow({r.revision, r.date, r.description}, kRevisionWidths));
    }
    return b;
}

std::vector<Block> basisPage(Language lang, const NumberFormat& fmt,
                             const std::vector<BaySummary>& bays) {
    std::vector<Block> b;
    const auto heading = [&](Message m) {
        b.push_back(makeBlock(BlockKind::Heading, say(m, lang)));
    };
    const auto text = [&](const std::string& s) { b.push_back(makeBlock(BlockKind::Text, s)); };
    bool allowable = false, limitState = false, sloped = false;
    std::set<std::string> editions, alloyNames;
    std::vector<PartialFactors> factorSets;  // each set the bays applied, once
    std::vector<std::string> band, typed, site, speed;
    for (const BaySummary& s : bays) {
        if (!s.calculated)
            continue;
        (s.limitState ? limitState : allowable) = true;
        sloped = sloped || s.sloped;
        editions.insert(s.edition);
        if (s.limitState) {
            alloyNames.insert(s.alloy);
            if (std::find(factorSets.begin(), factorSets.end(), s.factors) == factorSets.end())
                factorSets.push_back(s.factors);
        }
        switch (s.wind) {
        case WindSource::HeightBand: band.push_back(s.name); break;
        case WindSource::TypedPressure: (s.siteWind ? site : typed).push_back(s.name); break;
        case WindSource::WindSpeed: speed.push_back(s.name); break;
        case WindSource::None: break;
        }
    }
    b.push_back(makeBlock(BlockKind::Title, say(Message::PackageHeadingBasis, lang)));
    heading(Message::PackageStandards);
    for (Message m :
         {Message::PackageStdEn1990, Message::PackageStdEn1991_1_4, Message::PackageStdEn1991_1_3,
          Message::PackageStdEn1999, Message::PackageStdEn1993})
        text(say(m, lang));
    if (editions.empty())
        editions.insert("13830:2003");
    for (const std::string& e : editions)
        text(say(Message::PackageStdEn13830, lang, {e}));
    if (editions.count("13830:2003"))
        b.push_back(makeBlock(BlockKind::Verdict, say(Message::PackageEn13830Superseded, lang), {},
                              {}, false));

    heading(Message::PackageMaterial);
    text(say(Message::PackageAluminiumE, lang));
    for (const std::string& name : alloyNames)
        if (const Alloy* a = findAlloy(name); a && a->bandCount > 0)
            text(say(Message::PackageAlloy, lang,
                     {std::string(a->name), number(a->bands[0].fo_MPa, fmt),
                      number(a->bands[0].fu_MPa, fmt), number(a->bands[0].maxThickness_mm, fmt)}));
    if (allowable && limitState)
        text(say(Message::PackageMixedBases, lang));
    if (allowable || !limitState)
        text(say(Message::PackageBasisAllowable, lang, {number(kAllowableStress_kNcm2, fmt)}));
    // The factors the limit-state runs applied: a bay may set its own, as a national annex
    // would, so each set is printed with its combinations.
    for (const PartialFactors& f : factorSets) {
        text(say(Message::PackageBasisLimitState, lang,
                 {number(f.gammaGUnfav, fmt), number(f.gammaGFav, fmt), number(f.gammaQ, fmt),
                  number(f.psi0Wind, fmt), number(f.psi0Snow, fmt), number(f.gammaM1, fmt),
                  number(f.gammaM2, fmt)}));
        heading(Message::PackageCombinations);
        for (CombinationId id : {CombinationId::WindPressure, CombinationId::WindSuction,
                                 CombinationId::SnowLeading, CombinationId::WindLeadingSnow})
            b.push_back(makeBlock(BlockKind::Row, say(Message::PackageCombinationUls, lang),
                                  combinationText(id, f, fmt)));
        for (CombinationId id : {CombinationId::CharPressure, CombinationId::CharSuction})
            b.push_back(makeBlock(BlockKind::Row, say(Message::PackageCombinationSls, lang),
                                  combinationText(id, f, fmt)));
    }

    heading(Message::PackageLoads);
    if (!band.empty())
        text(say(Message::PackageWindBand, lang, {joinNames(band)}));
    if (!typed.empty())
        text(say(Message::PackageWindTyped, lang, {joinNames(typed)}));
    if (!site.empty())
        text(say(Message::PackageWindSite, lang, {joinNames(site)}));
    if (!speed.empty())
        text(say(Message::PackageWindSpeed, lang, {joinNames(speed)}));
    text(say(Message::PackageDeadLoad, lang));
    if (sloped)
        text(say(Message::PackageSnow, lang));

    heading(Message::PackageAssumptions);
    for (Message m :
         {Message::PackageAssumeBeam, Message::PackageAssumeShown, Message::PackageAssumeUnequal,
          Message::PackageAssumeShortSpan, Message::PackageAssumeMoment,
          Message::PackageAssumeTransom, Message::PackageAssumePi})
        text("• " + say(m, lang));
    return b;
}

}  // namespace

PackageFront packageFront(const ProjectData& project, const std::string& date,
                          const std::string& program, Language lang, const NumberFormat& fmt,
                          const std::vector<BaySummary>& bays) {
    PackageFront front;
    front.title = titlePage(project, date, program, lang, bays);
    front.basis = basisPage(lang, fmt, bays);

    std::vector<Block>& summary = front.summary;
    summary.push_back(makeBlock(BlockKind::Title, say(Message::PackageHeadingSummary, lang)));
    summary.push_back(makeBlock(BlockKind::Text, say(Message::PackageUtilisationNote, lang)));
    summary.push_back(
        tableRow({say(Message::PackageColBay, lang), say(Message::PackageColSeries, lang),
                  say(Message::PackageColSystem, lang), say(Message::PackageColSpans, lang),
                  say(Message::PackageColPressure, lang), say(Message::PackageColMullion, lang),
                  say(Message::PackageColTransom, lang), say(Message::PackageColUtilisation, lang),
                  say(Message::PackageColVerdict, lang), say(Message::PackageColPage, lang)},
                 kSummaryWidths, true));
    for (std::size_t i : summaryOrder(bays)) {
        const BaySummary& s = bays[i];
        std::vector<std::string> cells{s.name};
        cells.insert(cells.end(), s.cells.begin(), s.cells.end());
        cells.emplace_back();  // the page, known once the bays are laid out
        Block row = tableRow(std::move(cells), kSummaryWidths, false, !s.fails, s.bay);
        row.pageCell = s.bay >= 0;
        summary.push_back(std::move(row));
    }

    std::vector<Block>& anchors = front.anchors;
    const std::string k = say(Message::PackageColCharacteristic, lang);
    const std::string d = say(Message::PackageColDesign, lang);
    std::vector<std::string> header{say(Message::PackageColBay, lang),
                                    say(Message::LimitStateAnchorSupport, lang)};
    for (Message m : {Message::LimitStateAnchorPressure, Message::LimitStateAnchorSuction,
                      Message::LimitStateAnchorDead, Message::LimitStateAnchorDeadAcross}) {
        header.push_back(say(m, lang) + ", " + k);
        header.push_back(say(m, lang) + ", " + d);
    }
    bool any = false;
    for (const BaySummary& s : bays)
        any = any || !s.anchors.empty();
    if (any) {
        anchors.push_back(makeBlock(BlockKind::Title, say(Message::PackageHeadingAnchors, lang)));
        anchors.push_back(makeBlock(BlockKind::Text, say(Message::PackageAnchorsNote, lang)));
        anchors.push_back(tableRow(header, kAnchorWidths, true));
        for (const BaySummary& s : bays)
            for (const AnchorLine& a : s.anchors) {
                std::vector<std::string> cells{s.name, a.support};
                cells.insert(cells.end(), a.values.begin(), a.values.end());
                anchors.push_back(tableRow(std::move(cells), kAnchorWidths, false, true, s.bay));
            }
    }
    return front;
}

}  // namespace cw::report
