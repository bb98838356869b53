#pragma once

#include "text/language.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace cw {

// Every sentence the program says to its user, in Greek and English: the window's refusals,
// the files', the export's and the batch's messages, the calculation report's headings and
// phrases. {1}, {2}, {3}... stand for the values the sentence names (a field's caption, the
// text typed, a bound, a path).
enum class Message {
    FieldEmpty,
    FieldNotANumber,
    SeparatorIsComma,
    SeparatorIsPoint,
    FieldNegative,
    FieldNotPositive,
    FieldZero,
    FieldAtMost,
    SlopeOutOfRange,
    DivisorOutOfRange,
    ValueTooLarge,
    NoLoadWidth,
    NoWindLoad,
    ResultOutOfRange,
    SpanL2AboveL1,
    NoTransomFits,
    NoMullionFits,
    MullionOverstressed,
    DeflectionExceeded,
    LimitSpanOver200,
    LimitFivePlusSpanOver300,
    LimitSpanOver250,
    CategoryUnknown,

    // Refusals of the .xlsx export. {1} is always the path as the user gave it; the Greek
    // sentences quote it in «».
    ExportNoFileName,
    ExportLinkToNothing,
    ExportCannotReach,  // {2} the system's reason
    ExportPathIsFolder,
    ExportNotRegularFile,
    ExportOpenElsewhere,  // {2} the lock file
    ExportReadOnly,
    ExportCouldNotRead,  // {2} the system's reason
    ExportPathThroughFile,
    ExportNoFolder,         // {2} the folder
    ExportNoTemporaryFile,  // {2} the folder, {3} the system's reason
    ExportWritingFailed,    // {2} the system's reason, {3} the advice
    ExportPermissionsFailed,
    ExportSyncFailed,
    ExportAdviceFreeSpace,
    ExportAdviceCheckDisk,
    ExportOriginalUnchanged,
    ExportCannotReplace,  // {2} the system's reason
    ExportCannotOpen,     // {2} the system's reason
    ExportFileTooLarge,
    ExportNewNotAssembled,
    ExportUpdatedNotAssembled,
    ExportPasswordProtected,
    ExportTooLargeToOpen,
    ExportUnpacksTooLarge,  // {2} the limit in MB
    ExportPartTooLarge,     // {2} the part
    ExportFirstSheetNotWorksheet,
    ExportCellInArrayFormula,  // {2} the cell, {3} the formula's range
    ExportCellInDataTable,     // {2} the cell, {3} the table's range
    ExportOldXls,
    ExportNotZip,
    ExportDamaged,       // {2} what is damaged, one of the details below
    ExportNotAWorkbook,  // {2} what is missing, one of the details below
    ExportTableNoColumns,
    ExportTableTooManyRows,  // {2} the rows a sheet holds
    ExportTableNotAssembled,

    // The details named inside ExportDamaged and ExportNotAWorkbook.
    ExportDetailZipDirectory,
    ExportDetailEntryUnreadable,
    ExportDetailPartNotUnpacked,  // {1} the part
    ExportDetailPartNotXml,       // {1} the part
    ExportDetailNoCellTable,
    ExportDetailInvalidPosition,
    ExportDetailNoWorkbookPart,
    ExportDetailNoSheetList,
    ExportDetailNoSheet,
    ExportDetailSheetPointsNowhere,
    ExportDetailNoSheetPart,
    ExportDetailNoContentTypes,

    // Bay files: {1} is the file; {2} the field of the file concerned.
    BayFileUnreadable,
    BayFileTooLarge,
    BayFileNotJson,  // {2}: the byte where the JSON breaks off
    BayFileOtherFormat,
    BayFileNewerVersion,  // {3}: the file's version, {4}: the one this program writes
    BayFileMissingField,
    BayFileNotText,
    BayFileNotNumber,
    BayFileUnknownValue,
    BayFileNotSaved,  // {2}: the system's reason
    // Results that are out of date: the export's question and its buttons; a report refused.
    ResultsOutOfDate,
    ExportLastRunResults,
    Cancel,
    ReportOfRefusedRun,  // {1}: why the run is refused
    // The batch: a schedule's column, and the schedule as a whole.
    ColumnChoiceUnknown,
    ColumnChoiceEmpty,
    ColumnWindTwice,
    ScheduleUnreadable,
    ScheduleNoHeader,
    ScheduleDuplicateColumn,
    ScheduleTooManyFields,
    ScheduleInvalidUtf8,
    ScheduleUnterminatedQuote,
    ScheduleMisplacedQuote,
    ScheduleFieldTooLong,
    ScheduleMissingColumn,
    ResultsUnwritable,
    RowsRefused,
    OutputIsInput,     // {1} the output, {2} the input
    ColumnNoWindLoad,  // a schedule row with no band, pressure or speed
    GroupSeparator,    // {1} the text without its group separators
    // The batch: a results file that failed as it was written; the last word of a list.
    WriteError,
    ListOr,

    // The calculation report's headings and phrases.
    ReportTitle,
    ReportProjectLabel,
    ReportBayLabel,
    ReportPageOf,  // {1} of {2}
    ReportHeadingInputs,
    ReportHeadingSystem,
    ReportHeadingLoads,
    ReportHeadingDeflection,
    ReportHeadingRequired,
    ReportHeadingProfiles,
    ReportHeadingCheck,
    ReportHeadingReactions,
    ReportHeadingRefused,
    ReportSeries,
    ReportStaticSystem,
    ReportGridWidthA1,
    ReportGridWidthA2,
    ReportSpanL1,
    ReportSpanL2,
    ReportGlazingH1,
    ReportGlazingH2,
    ReportGlassThickness,
    ReportDivisor,
    ReportAllowableDeflection,
    ReportCriterion,
    ReportStructureWeight,
    ReportSnowHeight,
    ReportSlope,
    ReportSeriesVeltra,
    ReportSeriesKorin,
    ReportSeriesTerrax,
    ReportCaseOneSpan,
    ReportCaseFixedEnds,
    ReportCaseEqualSpans,
    ReportCaseUnequalSpans,
    ReportCaseShortUpperSpan,
    ReportWindFromBand,
    ReportHeightBandUpTo,
    ReportWindTyped,
    ReportWindFromSite,
    ReportWindFromSpeed,
    ReportSlopedIntro,
    ReportPictureCaption,
    ReportRuleGoverned,
    ReportDesignedLimit,
    ReportRuleSpanOverDivisor,
    ReportRuleAllowable,
    ReportRuleCap15,
    ReportRuleSpanOver200,
    ReportRuleFivePlusSpanOver300,
    ReportRuleSpanOver250,
    ReportSuggestedMullion,
    ReportSuggestedTransom,
    ReportCatalogueRange,
    ReportMullionChoice,
    ReportNoMullionFits,
    ReportDeflectionCheck,
    ReportStressCheck,
    ReportUtilisation,
    ReportPasses,
    ReportFails,
    ReportMullionPasses,
    ReportMullionFails,
    ReportMaxSpanMoment,
    ReportDesignMoment,
    ReportUplift,
    ReportNotRun,
    ReportNotReady,
    ReportRefusedRow,  // line {1}, bay {2}: {3}
    ReportCannotWrite,

    // The verdict line under the results panel: {1} the mullion, {2} the checks named.
    VerdictPasses,
    VerdictFails,
    VerdictDeflection,  // {1} the mullion's deflection, {2} ≤ or >, {3} the limit
    VerdictStress,      // {1} the mullion's stress, {2} ≤ or >, {3} the allowable
    VerdictInsertStress,  // {1} the steel insert's stress, {2} ≤ or >, {3} f_y / γM0, N/mm²
    VerdictNoMullion,
    VerdictOutOfDate,

    // The Help menu and its windows.
    HelpUserGuide,
    HelpShortcuts,
    HelpAbout,
    HelpClose,
    HelpShortcutsKey,
    HelpShortcutsAction,
    HelpShortcutNext,
    HelpShortcutTab,
    HelpShortcutEnter,
    HelpShortcutArrows,
    HelpShortcutSpace,
    HelpAboutText,  // {1} the program, {2} its version
    HelpGuideMissing,
    // Editing and files in the window.
    MenuEdit,
    MenuUndo,
    MenuRedo,
    MenuNewBay,
    MenuOpenRecent,
    RecentNone,
    RecentMissing,  // {1} the file
    GeometryCleared,
    SiteWindPreview,  // {1} qp(z), {2} w, in kN/m²
    MenuBarOpen,
    // The diagrams of a beam, in the report and the window.
    ReportHeadingDiagrams,
    DiagramMoment,
    DiagramShear,
    DiagramDeflection,
    DiagramExtreme,  // {1} the symbol, {2} the value with its unit, {3} x in m
    DiagramBasis,    // {1} q in kN/m, {2} E·I in kNm²
    DiagramChecksNote,
    DiagramNoDeflection,
    DiagramsTab,
    MenuExportPicture,
    ExportPictureNothing,
    ExportPictureFailed,  // {1} the file

    // The limit-state basis: its menu, the checks' dialog and report section, the verdict.
    MenuDesignBasis,
    BasisAllowable,
    BasisLimitStates,
    MenuAlloy,
    HangingFromTop,
    HangingOnBase,
    LimitStateChecksTitle,
    LimitStateMullion,  // {1} the mullion checked, {2} the alloy, {3} f_o in N/mm²
    LimitStateNoRowPasses,
    LimitStateSectionClass,  // {1} the class
    CheckMullionBending,
    CheckMullionShear,
    CheckMullionBendingShear,
    CheckMullionAxialBending,
    CheckMullionDeflection,
    CheckTransomBending,
    CheckTransomDeflection,
    CheckTransomBlockDeflection,
    LimitStateColumnCheck,
    LimitStateColumnClause,
    LimitStateColumnCombination,
    LimitStateColumnDesign,
    LimitStateColumnResistance,
    LimitStateColumnUtilisation,
    LimitStateColumnVerdict,
    LimitStateAnchors,
    LimitStateAnchorSupport,
    LimitStateAnchorPressure,
    LimitStateAnchorSuction,
    LimitStateAnchorDead,
    LimitStateAnchorDeadAcross,
    LimitStateNoteClassNotVerified,
    LimitStateNoteTransomClassNotVerified,
    LimitStateNoteAxialNotVerified,
    LimitStateNoteShearNotVerified,
    LimitStateNoteShearBuckling,
    LimitStateNoteMemberBuckling,
    LimitStateNoteEffectiveModulus,
    LimitStateNoteMassUnknown,
    LimitStateNotChecked,
    // The verdict line: {1} the mullion, {2} the governing check, {3} its utilisation.
    VerdictLimitStatesPass,
    VerdictLimitStatesPassAssumed,  // {4} what was assumed
    VerdictLimitStatesFail,
    VerdictLimitStatesNoRow,
    // User catalogue files: the refusal of a file, one sentence for each kind of fault in the
    // order of CatalogueFaultKind, then the window's Catalogues list and series choice.
    CatalogueNotRead,  // {1} the file
    CatalogueFaultAt,  // {1} the line
    CatalogueFaultNoRows,
    CatalogueFaultEmptyLine,
    CatalogueFaultUnclosedQuote,
    CatalogueFaultStrayQuote,
    CatalogueFaultFieldCount,
    CatalogueFaultUnknownColumn,
    CatalogueFaultRepeatedColumn,
    CatalogueFaultMissingColumn,
    CatalogueFaultMissingValue,
    CatalogueFaultValueNotTaken,
    CatalogueFaultNotANumber,
    CatalogueFaultNotPositive,
    CatalogueFaultTooPrecise,
    CatalogueFaultTooLarge,
    CatalogueFaultTooSmall,
    CatalogueFaultUnknownRole,
    CatalogueFaultUnknownUse,
    CatalogueFaultUnknownSpanCase,
    CatalogueFaultUseDiffers,
    CatalogueFaultSystemDiffers,
    CatalogueFaultEmptyBand,
    CatalogueFaultOverlappingBand,
    CatalogueFaultMullionOrder,
    CatalogueFaultRepeatedCode,
    CatalogueFaultNoMullion,
    CatalogueFaultFileTooLarge,
    CatalogueFaultTooManyRows,
    CatalogueFaultUnreadable,
    CatalogueFaultNotAWorkbook,
    CatalogueFaultBothWxAndE,
    CatalogueFaultBadElements,
    CatalogueFaultUnknownSteelGrade,
    CatalogueFaultUnknownAlloy,
    CatalogueFaultTransomKindsMixed,
    MenuCatalogues,
    CataloguesTitle,
    CataloguesOpen,
    CataloguesRemove,
    CataloguesFileFilter,
    CatalogueColumnName,
    CatalogueColumnUse,
    CatalogueColumnMullions,
    CatalogueColumnTransoms,
    CatalogueColumnFile,
    CatalogueUseVertical,
    CatalogueUseSloped,
    CatalogueChoiceLabel,
    CatalogueChoiceSeries,
    CatalogueChanged,  // {1} the catalogue, {2} the file
    CatalogueMissing,  // {1} the catalogue, {2} the file
    CatalogueOfBayChanged,  // {1} the catalogue, {2} the file
    CatalogueOfBayMissing,  // {1} the catalogue, {2} the file
    CatalogueChooseFile,
    ReportCatalogue,
    ReportCatalogueRow,
    ReportSteelInsert,
    // The limit-state inputs: the ground snow load and the partial factors.
    MenuLimitStateInputs,
    LimitStateInputsTitle,
    LimitStateGroundSnow,
    LimitStateGroundSnowSlopedOnly,
    FactorGammaM1,
    FactorGammaM2,
    FactorGammaGSup,
    FactorGammaGInf,
    FactorGammaQ,
    FactorPsi0Wind,
    FactorPsi0Snow,
    LimitStateResetFactors,
    GroundSnowNotANumber,  // {1} the text
    GroundSnowNegative,    // {1} the text
    FactorNotPositive,     // {1} the factor's name, {2} its value
    FactorPsiOutOfRange,   // {1} the factor's name, {2} its value
    LimitStateFactorsUsed,  // {1} the factors, listed
    LimitStateSnowUsed,     // {1} s_k, {2} the slope, {3} mu1, {4} s, kN/m2
    DialogOk,
    // The window's Diagrams panel.
    MenuView,
    DiagramsNothingYet,
    DiagramsOutOfDate,
    DiagramsAllowableBasis,  // {1} q in kN/m
    DiagramsCombination,
    // A bay file's project of the wrong shape; {1} the file, {2} where in it.
    BayFileProjectShape,
    // File → Project… and its dialog.
    MenuProject,
    ProjectDialogTitle,
    ProjectName,
    ProjectSite,
    ProjectClient,
    ProjectEngineer,
    ProjectChecker,
    ProjectRevisions,
    ProjectRevision,
    ProjectRevisionDate,
    ProjectRevisionDescription,
    ProjectAddRevision,
    ProjectRemoveRevision,
    // Opening a bay whose catalogue file is missing or changed: {1} the catalogue, {2} the file.
    CatalogueOfBayAskMissing,
    CatalogueOfBayAskChanged,
    CatalogueChooseFileButton,
    CatalogueOfBayOtherUse,  // {1} the catalogue, {2} the file, {3} its use
    ProjectFileUnreadable,  // {1} the file
    ProjectFileTooLarge,
    ProjectFileNotJson,  // {2}: the byte where the JSON breaks off
    ProjectFileNotObject,
    ProjectFileNoName,
    ProjectFileNotText,  // {2}: the key
    ProjectFileNotList,  // {2}: the key
    ProjectFileUnknownKey,  // {2}: the key
    PackageTitle,
    PackageSite,
    PackageClient,
    PackageEngineer,
    PackageChecker,
    PackageDate,
    PackageProgram,
    PackageRevisions,
    PackageRevision,
    PackageDescription,
    PackageBayCount,  // {1} bays calculated, {2} rows not calculated
    PackageHeadingBasis,
    PackageStandards,
    PackageStdEn1990,
    PackageStdEn1991_1_4,
    PackageStdEn1991_1_3,
    PackageStdEn1999,
    PackageStdEn1993,
    PackageStdEn13830,  // {1}: the edition
    PackageEn13830Superseded,
    PackageMaterial,
    PackageAluminiumE,
    PackageAlloy,  // {1} alloy, {2} f_o, {3} f_u, {4} thickness up to, N/mm2 and mm
    PackageBasisAllowable,  // {1} the allowable stress
    PackageBasisLimitState,  // {1} γG,sup {2} γG,inf {3} γQ {4} ψ0 wind {5} ψ0 snow {6} γM1 {7} γM2
    PackageCombinations,
    PackageCombinationUls,
    PackageCombinationSls,
    PackageLoads,
    PackageWindBand,  // {1} the bays
    PackageWindTyped,  // {1} the bays
    PackageWindSite,  // {1} the bays
    PackageWindSpeed,  // {1} the bays
    PackageDeadLoad,
    PackageSnow,
    PackageAssumptions,
    PackageAssumeBeam,
    PackageAssumeShown,
    PackageAssumeUnequal,
    PackageAssumeShortSpan,
    PackageAssumeMoment,
    PackageAssumeTransom,
    PackageAssumePi,
    PackageHeadingContents,
    PackageHeadingSummary,
    PackageColBay,
    PackageColSeries,
    PackageColSystem,
    PackageColSpans,
    PackageColPressure,
    PackageColMullion,
    PackageColTransom,
    PackageColUtilisation,
    PackageColVerdict,
    PackageColPage,
    PackageSystemOneSpan,
    PackageSystemFixedEnds,
    PackageSystemTwoSpans,
    PackageNotCalculated,
    PackageUtilisationNote,
    PackageHeadingAnchors,
    PackageColCharacteristic,
    PackageColDesign,
    PackageAnchorsNote,
    PackageBookmarkBays,
    PackageMixedBases,
    PackageLimitStateShort,
    // The transom's diagrams: the panel's chooser, the report's heading and what they are under.
    DiagramTransomStrong,
    DiagramTransomWeak,
    ReportHeadingTransomDiagrams,
    DiagramTransomStrongBasis,  // {1} γQ, {2} E·Ix in kNm²
    DiagramTransomWeakBasis,    // {1} γG,sup, {2} P in kN, {3} a in m, {4} E·Iy in kNm²
    // The mullion's figures in the report under limit states.
    ReportHeadingLimitStateDiagrams,
    DiagramCombinationBasis,  // {1} the combination, {2} q in kN/m, {3} E·I in kNm², {4} checks
    ReportAllowableForComparison,

    Count  // not a sentence: new sentences go above
};

struct Bilingual {
    std::string_view greek;
    std::string_view english;
};

const Bilingual& wording(Message message);

// The sentence in the language asked for, with {n} replaced by the n-th value (once, so a
// value that itself holds "{2}" stays as it is).
std::string say(Message message, Language language,
                std::initializer_list<std::string_view> values = {});
std::string say(Message message, Language language, std::span<const std::string_view> values);

// The same for any bilingual sentence outside the table's own.
std::string fill(std::string_view sentence, std::initializer_list<std::string_view> values);

// Why the system refused (errno): in English as the system says it, in Greek in our own words
// for the errors a user can act on and as the system says it otherwise.
std::string systemReason(int err, Language language);

// A text worded in both languages, for code that words a message before anyone asks in which
// language (the .xlsx writer): a sentence of the table, or a value the same in both (a path).
struct Said {
    Said() = default;
    Said(std::string same) : greek(same), english(std::move(same)) {}
    Said(const char* same) : Said(std::string(same)) {}
    Said(std::string inGreek, std::string inEnglish)
        : greek(std::move(inGreek)), english(std::move(inEnglish)) {}
    const std::string& in(Language language) const {
        return language == Language::English ? english : greek;
    }
    std::string greek;
    std::string english;
};

// The sentence in both languages, each with the values' own words in that language.
Said sayBoth(Message message, std::initializer_list<Said> values = {});
Said systemReasonBoth(int err);

}  // namespace cw
