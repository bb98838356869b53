#include "model/inventory.h"

#include "model/inventory_rows.h"

namespace cw {

namespace {

#define CW_ID(x) ControlId::x, #x

// Tooltips: Greek, then English.
constexpr std::string_view kTipWindMode = "επιλογή ανεμοπίεσης";
constexpr std::string_view kTipWindModeEn = "Wind pressure selection";
constexpr std::string_view kTipDeflection = "επιλογή βέλους κάμψης";
constexpr std::string_view kTipDeflectionEn = "Deflection criterion selection";
constexpr std::string_view kTipWindSpeed = "επιλογή της ταχύτητας ανέμου";
constexpr std::string_view kTipWindSpeedEn = "Wind speed selection";
constexpr std::string_view kTipCentimetres = "προσοχή εισαγωγή τιμής μόνο σε εκατοστά";
constexpr std::string_view kTipCentimetresEn = "Note: values in centimetres only";
constexpr std::string_view kTipComputed = "Εδώ θα σου υπολογίσω εγώ την απαραίτητη ροπή αδρανείας";
constexpr std::string_view kTipComputedEn = "Here I compute the required moment of inertia for you";
constexpr std::string_view kTipVeltra = "Εδώ θα σου προτείνω την κατάλληλη κολώνα για το Veltra";
constexpr std::string_view kTipVeltraEn = "Here I suggest the suitable mullion for Veltra";
constexpr std::string_view kTipKorin =
    "Εδώ θα σου προτείνω την κατάλληλη κολώνα για το Korin-Dalvo";
constexpr std::string_view kTipKorinEn = "Here I suggest the suitable mullion for Korin-Dalvo";

constexpr std::string_view kSeries = "series";
constexpr std::string_view kSystem = "system";
constexpr std::string_view kHeight = "height";

constexpr std::uint32_t kValueFore = colour::DarkGrey;
constexpr std::uint32_t kComputedFore = colour::ButtonText;

// Stacking order, front first: the order of ControlId.
constexpr ControlSpec kInventory[kControlCount] = {
    entry(CW_ID(Text44), {8760, 8520, 495, 374}, "0")
        .fore(colour::DarkBlue)
        .tab(197)
        .shown()
        .tip("Μέγιστο επιτρεπτό βέλος κάμψης, σε χιλιοστά (mm)",
             "Maximum allowable deflection, in millimetres (mm)")
        .by("Command21")
        .unit("mm"),
    button(CW_ID(Command22), {8400, 7920, 1335, 495}, "Maximum allowable ")
        .english("Command21")
        .labelOnly()
        .tip(kTipDeflection, kTipDeflectionEn),
    button(CW_ID(Command21), {8400, 7920, 1335, 495}, "Μέγιστο επιτρεπτό")
        .greek("Command22")
        .shown()
        .labelOnly()
        .tip(kTipDeflection, kTipDeflectionEn),
    valueField(CW_ID(Text43), {13080, 4200, 375, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label43"),
    entry(CW_ID(Text42), {3360, 9720, 495, 374}, "30")
        .fore(colour::DarkBlue)
        .tab(190)
        .tip("Κλίση κατασκευής α, σε μοίρες (°)", "Slope of structure α, in degrees (°)")
        .by("Label117")
        .unit("°"),
    entry(CW_ID(Text41), {3360, 9120, 495, 374}, "100")
        .fore(colour::DarkBlue)
        .tab(187)
        .tip("Ύψος χιονιού, σε εκατοστά (cm)", "Height of compressed snow, in centimetres (cm)")
        .by("Label116")
        .unit("cm"),
    entry(CW_ID(Text40), {3360, 8640, 495, 374}, "0,1")
        .fore(colour::DarkBlue)
        .tab(185)
        .tip("Βάρος προφίλ, σε kN/m^2", "Aluminium structure weight, in kN/m^2")
        .by("Label115")
        .unit("kN/m^2"),
    valueField(CW_ID(Text39), {13080, 9840, 255, 285}, kValueFore).by("Label84").unit("mm"),
    button(CW_ID(Command19), {6720, 7920, 1455, 495}, "Deflection")
        .english("Command16")
        .tip(kTipDeflection, kTipDeflectionEn),
    button(CW_ID(Command17), {4560, 7920, 2055, 495},
           "coefficient according to the EN 13830    ( L / 200 )")
        .english("Command15")
        .tip(kTipDeflection, kTipDeflectionEn),
    button(CW_ID(Command16), {6720, 7920, 1455, 495}, "Βέλος κάμψης")
        .greek("Command19")
        .shown()
        .tip(kTipDeflection, kTipDeflectionEn),
    button(CW_ID(Command15), {4560, 7920, 2055, 495},
           "Συντελεστής σύμφωνα με  EN 13830    ( L / 200 )")
        .greek("Command17")
        .shown()
        .tip(kTipDeflection, kTipDeflectionEn),
    entry(CW_ID(Text38), {7200, 8520, 495, 374}, "0")
        .fore(colour::DarkBlue)
        .tab(174)
        .shown()
        .tip("Βέλος κάμψης, σε χιλιοστά (mm)", "Allowable deflection, in millimetres (mm)")
        .by("Command16")
        .unit("mm"),
    entry(CW_ID(Text37), {5520, 8520, 495, 374}, "200")
        .fore(colour::DarkBlue)
        .tab(173)
        .shown()
        .tip("Διαιρέτης d του ορίου βέλους L / d (καθαρός αριθμός)",
             "Divisor d of the deflection limit L / d (a pure number)")
        .by("Label112"),
    button(CW_ID(Command14), {8520, 5880, 1335, 495}, "   Wind speed    (km / h)")
        .english("Command4")
        .tip(kTipWindSpeed, kTipWindSpeedEn),
    button(CW_ID(Command11), {6480, 5880, 1815, 495}, "Wind pressure selection   (kN / m^2)")
        .english("Command2")
        .tip(kTipWindMode, kTipWindModeEn),
    button(CW_ID(Command10), {240, 11280, 495, 615}, "EN").image("flag_uk").shown(),
    button(CW_ID(Command9), {240, 10560, 495, 615}, "GR").image("flag_gr").shown(),
    button(CW_ID(Command8), {6360, 10920, 1575, 612}, "EXIT").shown(),
    valueField(CW_ID(Text36), {10320, 10560, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label73")
        .unit("kN/cm^2"),
    valueField(CW_ID(Text35), {12120, 8760, 735, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label71")
        .unit("cm^3"),
    valueField(CW_ID(Text25), {12120, 5880, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label69")
        .unit("kN*cm"),
    valueField(CW_ID(Text9), {12120, 5520, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label67")
        .unit("cm^3"),
    button(CW_ID(Command7), {10560, 11040, 1455, 495}, "Print in  Excel")
        .back(colour::ButtonFace)
        .fore(colour::ButtonText)
        .shown(),
    // Hidden work field of the design run (load width); the user never sees it.
    entry(CW_ID(Text1), {3120, 4200, 495, 375})
        .tab(106)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .unit("cm"),
    valueField(CW_ID(Text34), {13800, 2280, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label50")
        .unit("cm"),
    valueField(CW_ID(Text33), {13800, 1920, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label49")
        .unit("cm"),
    valueField(CW_ID(Text32), {13680, 4200, 255, 285}, kValueFore)
        .tip("προσοχή εισαγωγή τιμής μόνο σε χιλιοστά", "Note: value in millimetres only")
        .by("Label43")
        .unit("mm"),
    valueField(CW_ID(Text31), {12840, 3600, 495, 285}, kValueFore)
        .tip("προσοχή εισαγωγή τιμής μόνο σε μέτρα", "Note: value in metres only")
        .by("Label41")
        .unit("m"),
    valueField(CW_ID(Text30), {12360, 3240, 495, 285}, kValueFore)
        .tip("προσοχή εισαγωγή τιμής μόνο σε km/h", "Note: value in km/h only")
        .by("Label42")
        .unit("km/h"),
    valueField(CW_ID(Text29), {12360, 2880, 495, 285}, kValueFore)
        .tip("προσοχή εισαγωγή τιμής μόνο σε kN/m^2", "Note: value in kN/m^2 only")
        .by("Label40")
        .unit("kN/m^2"),
    valueField(CW_ID(Text28), {12360, 1560, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label39")
        .unit("cm"),
    valueField(CW_ID(Text27), {12360, 1200, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label38")
        .unit("cm"),
    valueField(CW_ID(Text26), {12360, 840, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label37")
        .unit("cm"),
    valueField(CW_ID(Text24), {12360, 480, 495, 285}, kValueFore)
        .tip(kTipCentimetres, kTipCentimetresEn)
        .by("Label36")
        .unit("cm"),
    captionButton(CW_ID(Command6), {3960, 4680, 375, 375}, "A2"),
    captionButton(CW_ID(Command5), {3000, 4680, 375, 375}, "A1"),
    entry(CW_ID(Text7), {4440, 4680, 495, 375})
        .tab(1)
        .tip("Πλάτος κανάβου A2, σε εκατοστά (cm)", "Grid width A2, in centimetres (cm)")
        .by("Command6")
        .unit("cm"),
    entry(CW_ID(Text4), {3360, 4680, 495, 375})
        .tab(0)
        .tip("Πλάτος κανάβου A1, σε εκατοστά (cm)", "Grid width A1, in centimetres (cm)")
        .by("Command5")
        .unit("cm"),
    button(CW_ID(Command4), {8520, 5880, 1335, 495}, "Ταχ. Ανέμου  (km / h)")
        .greek("Command14")
        .shown()
        .tip(kTipWindSpeed, kTipWindSpeedEn),
    entry(CW_ID(Text11), {8760, 6480, 615, 405})
        .tab(8)
        .shown()
        .tip("Ταχύτητα ανέμου, σε km/h", "Wind speed, in km/h")
        .by("Command4")
        .unit("km/h"),
    button(CW_ID(Command2), {6600, 5880, 1575, 495}, "Επιλ. Ανεμοπίεσης   (kN / m^2)")
        .greek("Command11")
        .shown()
        .tip(kTipWindMode, kTipWindModeEn),
    entry(CW_ID(Text16), {3360, 8040, 495, 374}, "10")
        .fore(colour::DarkBlue)
        .tab(9)
        .shown()
        .tip("Συνολικό πάχος υάλωσης, σε χιλιοστά (mm)",
             "Total glazing thickness, in millimetres (mm)")
        .by("Label8")
        .unit("mm"),
    captionButton(CW_ID(Command20), {6240, 4680, 495, 375}, "L2 ="),
    captionButton(CW_ID(Command18), {5160, 4680, 375, 375}, "L1="),
    entry(CW_ID(Text13), {6720, 4680, 495, 375})
        .tab(3)
        .tip("Μήκος κολώνας L2, σε εκατοστά (cm)", "Mullion length L2, in centimetres (cm)")
        .by("Command20")
        .unit("cm"),
    captionButton(CW_ID(Command3), {8760, 4680, 495, 375}, "H2 ="),
    captionButton(CW_ID(Command13), {7440, 4680, 495, 375}, "H1 ="),
    captionButton(CW_ID(Command12), {5160, 4680, 375, 375}, "L ="),
    frame(CW_ID(Frame3), {240, 3360, 735, 1695}).shown(),
    option(CW_ID(Option14), {120, 1320, 255, 255}, "Option14", kSystem)
        .in("Frame3")
        .tab(46)
        .shown()
        .by("Label21"),
    option(CW_ID(Option13), {120, 720, 255, 255}, "Option13", kSystem)
        .in("Frame3")
        .tab(45)
        .shown()
        .by("Label16"),
    option(CW_ID(Option9), {120, 120, 255, 255}, "Option9", kSystem)
        .in("Frame3")
        .tab(44)
        .shown()
        .by("Label15"),
    entry(CW_ID(Text8), {6960, 6480, 615, 405})
        .tab(7)
        .shown()
        .tip("Ανεμοπίεση, σε kN/m^2", "Wind pressure, in kN/m^2")
        .by("Command2")
        .unit("kN/m^2"),
    frame(CW_ID(Frame2), {240, 1200, 735, 1935}).shown(),
    option(CW_ID(Option12), {120, 1440, 495, 315}, {}, kSeries)
        .in("Frame2")
        .tab(41)
        .shown()
        .by("Label14"),
    option(CW_ID(Option11), {120, 840, 375, 375}, {}, kSeries)
        .in("Frame2")
        .tab(40)
        .shown()
        .by("Label12"),
    option(CW_ID(Option10), {120, 240, 255, 255}, {}, kSeries)
        .in("Frame2")
        .tab(39)
        .shown()
        .by("Label9"),
    valueField(CW_ID(Text14), {12120, 7920, 2055, 285}, kComputedFore)
        .font(kBoldFont)
        .tip(kTipKorin, kTipKorinEn)
        .by("Label27"),
    // Wide enough for the two decimals of the limit the run designed for.
    valueField(CW_ID(Text23), {13080, 9480, 495, 285}, kValueFore).by("Label7").unit("mm"),
    // Text19, Text21, Text22: work fields of the design run, never shown.
    entry(CW_ID(Text22), {9120, 11280, 495, 285}),
    entry(CW_ID(Text21), {9120, 11640, 495, 285}),
    valueField(CW_ID(Text20), {12120, 8400, 735, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label57")
        .unit("cm^4"),
    entry(CW_ID(Text19), {9120, 10920, 615, 285}),
    valueField(CW_ID(Text18), {13560, 9120, 495, 285}, kValueFore).by("Label6").unit("mm"),
    // The atrium case exists in the layout but is never offered.
    option(CW_ID(Option8), {3720, 6480, 255, 195}, "Option1", kHeight)
        .fore(colour::Red)
        .tab(13)
        .by("Label2"),
    valueField(CW_ID(Text17), {12120, 6600, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label28")
        .unit("cm^4"),
    valueField(CW_ID(Text15), {12120, 6240, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label23")
        .unit("cm^4"),
    entry(CW_ID(Text12), {9240, 4680, 495, 375})
        .tab(6)
        .tip("Ύψος υάλωσης πάνω από την τραβέρσα H2, σε εκατοστά (cm)",
             "Glazing height above the transom H2, in centimetres (cm)")
        .by("Command3")
        .unit("cm"),
    entry(CW_ID(Text10), {8040, 4680, 495, 375})
        .tab(4)
        .tip("Ύψος υάλωσης κάτω από την τραβέρσα H1, σε εκατοστά (cm)",
             "Glazing height below the transom H1, in centimetres (cm)")
        .by("Command13")
        .unit("cm"),
    valueField(CW_ID(Text6), {12120, 7560, 1095, 285}, kComputedFore)
        .font(kBoldFont)
        .tip(kTipVeltra, kTipVeltraEn)
        .by("Label18"),
    valueField(CW_ID(Text5), {12120, 5160, 615, 285}, kComputedFore)
        .tip(kTipComputed, kTipComputedEn)
        .by("Label17")
        .unit("cm^4"),
    option(CW_ID(Option3), {2640, 6480, 255, 195}, "Option1", kHeight)
        .fore(colour::Red)
        .tab(12)
        .shown()
        .by("Label5"),
    option(CW_ID(Option2), {1560, 6480, 255, 195}, "Option1", kHeight).tab(11).shown().by("Label4"),
    option(CW_ID(Option1), {480, 6480, 255, 195}, "Option1", kHeight).tab(5).shown().by("Label3"),
    entry(CW_ID(Text3), {4920, 6480, 735, 375})
        .fore(colour::DarkBlue)
        .tab(14)
        .shown()
        .tip("Ανεμοπίεση υπολογισμού, σε kN/m^2", "Design wind pressure, in kN/m^2")
        .by("Label31")
        .unit("kN/m^2"),
    entry(CW_ID(Text2), {5520, 4680, 495, 375})
        .tab(2)
        .tip("Μήκος κολώνας L (ή L1), σε εκατοστά (cm)",
             "Mullion length L (or L1), in centimetres (cm)")
        .by("Command18 Command12")
        .unit("cm"),
    button(CW_ID(Command1), {3240, 10920, 2055, 612}, "NEXT").tab(10).shown(),
    picture(CW_ID(Image8), {3000, 240, 6705, 4380}, "system_terrax_two_spans"),
    picture(CW_ID(Image7), {3000, 240, 6705, 4380}, "system_terrax_one_span"),
    label(CW_ID(Label120), {360, 9840, 2175, 255}, "Slope of structure α (deg)")
        .english("Label117"),
    label(CW_ID(Label119), {360, 9240, 2535, 255}, "Height of compressed snow (cm)\r\n")
        .english("Label116"),
    label(CW_ID(Label118), {360, 8640, 2775, 255}, "aluminium structure weight (kN/m^2)")
        .english("Label115"),
    label(CW_ID(Label117), {360, 9840, 2175, 255}, "Κλίση κατασκευής α (μοίρες)").greek("Label120"),
    borderBox(CW_ID(Label61), {120, 7560, 9855, 2655}),
    label(CW_ID(Label116), {360, 9240, 1935, 255}, "Ύψος χιονιού ( cm)").greek("Label119"),
    label(CW_ID(Label115), {360, 8640, 1935, 255}, "Βάρος προφίλ  (kN / m^2)").greek("Label118"),
    // The glass-pane deflection row (Label113, Label111, Label84, Text39) is never shown.
    label(CW_ID(Label113), {10440, 9840, 2775, 285}, "Maximum deflection of glass panel :")
        .english("Label84"),
    label(CW_ID(Label111), {13680, 9840, 375, 285}, "mm"),
    label(CW_ID(Label84), {10440, 9840, 2775, 285}, "Μέγιστο βέλος κάμψης υαλοπίνακα :")
        .greek("Label113"),
    label(CW_ID(Label114), {7800, 8640, 495, 285}, "mm").shown(),
    label(CW_ID(Label112), {4920, 8640, 495, 255}, "L / d").shown(),
    picture(CW_ID(Image6), {0, 0, 2775, 495}, "logo_small").shown(),
    label(CW_ID(Label110), {12360, 3600, 375, 285}, "max").english("Label51"),
    label(CW_ID(Label109), {10320, 10200, 3855, 285},
          "          σ (mullion)                     <                σ ( max)")
        .english("Label73"),
    label(CW_ID(Label108), {10440, 9480, 2535, 285}, "Maximum allowable deflection of   :")
        .english("Label7"),
    label(CW_ID(Label107), {10440, 9120, 3015, 285},
          "Maximum deflection of suggested mullion              :")
        .english("Label6"),
    label(CW_ID(Label106), {10440, 8760, 1815, 285}, "Wx of suggested mullion   :")
        .english("Label71"),
    label(CW_ID(Label105), {10440, 8400, 1935, 285}, "Ix of suggested mullion    :")
        .english("Label57"),
    label(CW_ID(Label104), {10440, 7920, 1695, 285}, "Suggested transom").english("Label27"),
    label(CW_ID(Label103), {10440, 7560, 1695, 285}, "Suggested mullion          :")
        .english("Label18"),
    label(CW_ID(Label102), {10440, 6600, 1695, 285}, "required transom Jy:").english("Label28"),
    label(CW_ID(Label101), {10440, 6240, 1695, 285}, "required transom Jx :").english("Label23"),
    label(CW_ID(Label100), {10440, 5880, 1335, 285}, "required mullion M      :")
        .english("Label69"),
    label(CW_ID(Label99), {10440, 5520, 1455, 285}, "required mullion Wx    :").english("Label67"),
    label(CW_ID(Label98), {10440, 5160, 1575, 285}, "required mullion Jx     :").english("Label17"),
    label(CW_ID(Label97), {10440, 4200, 2775, 285}, "Maximum allowable deflection L/ :")
        .english("Label43"),
    label(CW_ID(Label96), {10440, 3600, 1815, 285}, "Height from ground level   :")
        .english("Label41"),
    label(CW_ID(Label95), {10440, 3240, 2055, 285}, "Wind speed       :").english("Label42"),
    label(CW_ID(Label94), {10440, 2880, 1695, 285}, "Wind pressure             :")
        .english("Label40"),
    label(CW_ID(Label93), {10440, 2280, 3375, 285}, "Glazing height below the transom H1  :")
        .english("Label50"),
    label(CW_ID(Label92), {10440, 1920, 3375, 285}, "Glazing height above the transom H2  :")
        .english("Label49"),
    label(CW_ID(Label91), {10440, 1560, 1695, 285}, "Grid width A2   :").english("Label39"),
    label(CW_ID(Label90), {10440, 1200, 1935, 285}, "Grid width A1   :").english("Label38"),
    label(CW_ID(Label89), {10440, 840, 1815, 285}, "Mullion length L2     :").english("Label37"),
    label(CW_ID(Label88), {10440, 480, 1815, 285}, "Mullion length L1     :").english("Label36"),
    label(CW_ID(Label87), {10440, 7200, 1815, 255}, "Profile selection")
        .resultsHeading()
        .english("Label32"),
    label(CW_ID(Label86), {10440, 4800, 3975, 255}, "Assignment Output")
        .resultsHeading()
        .english("Label20"),
    label(CW_ID(Label85), {10440, 120, 3975, 255}, "Input Data")
        .resultsHeading()
        .english("Label35"),
    picture(CW_ID(Image5), {2760, 0, 7185, 5340}, "startup").shown(),
    label(CW_ID(Label83), {360, 8040, 2895, 375},
          "Total glazing thickness (inner and outer thickness)  ( mm).")
        .english("Label8"),
    label(CW_ID(Label82), {360, 7800, 1815, 255}, "Glazing selection")
        .leftHeading()
        .english("Label13"),
    label(CW_ID(Label81), {4320, 6120, 2055, 255}, "Wind pressure  (kN / m^2)").english("Label31"),
    label(CW_ID(Label80), {360, 6120, 3855, 255}, "Total structure height from ground level  (m)")
        .english("Label30"),
    label(CW_ID(Label79), {360, 5520, 2415, 255}, "Wind pressure selection")
        .leftHeading()
        .english("Label11"),
    label(CW_ID(Label78), {360, 840, 2175, 255}, "System selection")
        .leftHeading()
        .english("Label10"),
    label(CW_ID(Label77), {1080, 4560, 1455, 495}, "fixed at both ends (T-profiles)")
        .english("Label21"),
    label(CW_ID(Label24), {1080, 3840, 1455, 615},
          "Simple support - rolling support -  rolling support")
        .english("Label16"),
    label(CW_ID(Label19), {1080, 3480, 1575, 255}, "Simple support - rolling support")
        .english("Label15"),
    label(CW_ID(Label76), {11040, 10560, 855, 285}, "kN/ cm^2"),
    label(CW_ID(Label75), {12960, 10560, 1095, 285}, "9,5 kN/ cm^2"),
    label(CW_ID(Label74), {12840, 10800, 1575, 285}, {}),
    label(CW_ID(Label73), {10320, 10200, 3975, 285},
          "          σ (κολ)                     <                σ ( max)")
        .greek("Label109"),
    label(CW_ID(Label72), {12960, 8760, 495, 285}, "cm^3"),
    label(CW_ID(Label71), {10440, 8760, 1575, 285}, "Wx προτ κολώνας   :").greek("Label106"),
    label(CW_ID(Label70), {12840, 5880, 735, 285}, "kN* cm"),
    label(CW_ID(Label69), {10440, 5880, 1335, 285}, "απαιτ. M (κολ)     :").greek("Label100"),
    label(CW_ID(Label68), {12840, 5520, 495, 285}, "cm^3"),
    label(CW_ID(Label67), {10440, 5520, 1335, 285}, "απαιτ. Wx (κολ)     :").greek("Label99"),
    borderBox(CW_ID(Label66), {10200, 7080, 4695, 5055}),
    borderBox(CW_ID(Label65), {10200, 4680, 4695, 2295}),
    // Starts above the window on purpose, so its top edge is never drawn.
    borderBox(CW_ID(Label64), {10200, -720, 4695, 5295}),
    borderBox(CW_ID(Label63), {0, 720, 2775, 4575}),
    borderBox(CW_ID(Label59), {120, 10320, 9855, 1815}),
    borderBox(CW_ID(Label62), {120, 5400, 9855, 2055}),
    borderBox(CW_ID(Label60), {2880, 0, 7095, 5295}),
    label(CW_ID(Label58), {12960, 8400, 495, 285}, "cm^4"),
    label(CW_ID(Label57), {10440, 8400, 1575, 285}, "Ix Προτ. κολώνας    :").greek("Label105"),
    label(CW_ID(Label56), {13920, 4200, 375, 285}, "mm"),
    label(CW_ID(Label55), {14400, 2280, 375, 285}, "cm"),
    label(CW_ID(Label54), {14400, 1920, 375, 285}, "cm"),
    label(CW_ID(Label53), {12960, 3240, 735, 285}, "km / h"),
    label(CW_ID(Label52), {13320, 3600, 375, 285}, "μ."),
    // Paired with Label110 by place only: the runs show "έως" in either language.
    label(CW_ID(Label51), {12360, 3600, 375, 285}, "έως").greek("Label110"),
    label(CW_ID(Label50), {10440, 2280, 3375, 285}, "Μήκος τζαμιού κάτω από την Τραβέρσα H1  :")
        .greek("Label93"),
    label(CW_ID(Label49), {10440, 1920, 3375, 285}, "Μήκος τζαμιού πάνω από την Τραβέρσα H2  :")
        .greek("Label92"),
    label(CW_ID(Label48), {12960, 2880, 615, 285}, "kN/m^2"),
    label(CW_ID(Label47), {12960, 1560, 375, 285}, "cm"),
    label(CW_ID(Label46), {12960, 1200, 375, 285}, "cm"),
    label(CW_ID(Label45), {12960, 840, 375, 285}, "cm"),
    label(CW_ID(Label44), {12960, 480, 375, 285}, "cm"),
    label(CW_ID(Label43), {10440, 4200, 2775, 285}, "Μέγ. επιτρεπτό Βέλος κάμψης L/ :")
        .greek("Label97"),
    label(CW_ID(Label42), {10440, 3240, 2055, 285}, "Ταχύτητα Ανέμου       :").greek("Label95"),
    label(CW_ID(Label41), {10440, 3600, 2055, 285}, "Ύψος τοποθέτησης   :").greek("Label96"),
    label(CW_ID(Label40), {10440, 2880, 1695, 285}, "Ανεμοπίεση             :").greek("Label94"),
    label(CW_ID(Label39), {10440, 1560, 1695, 285}, "Πλάτος κάναβου A2   :").greek("Label91"),
    label(CW_ID(Label38), {10440, 1200, 1935, 285}, "Πλάτος κάναβου A1   :").greek("Label90"),
    label(CW_ID(Label37), {10440, 840, 1815, 285}, "Μήκος κολώνας L2     :").greek("Label89"),
    label(CW_ID(Label36), {10440, 480, 1815, 285}, "Μήκος κολώνας L1     :").greek("Label88"),
    label(CW_ID(Label35), {10440, 120, 3975, 255}, "Διαστασιολόγηση συστήματος")
        .resultsHeading()
        .greek("Label85")
        .shown(),
    label(CW_ID(Label34), {13680, 9480, 495, 285}, "mm"),
    label(CW_ID(Label33), {14400, 9120, 495, 285}, "mm"),
    label(CW_ID(Label32), {10440, 7200, 1815, 255}, "Επιλογή Προφίλ")
        .resultsHeading()
        .greek("Label87")
        .shown(),
    label(CW_ID(Label26), {12840, 6600, 495, 285}, "cm^4"),
    label(CW_ID(Label25), {12840, 6240, 615, 285}, "cm^4"),
    label(CW_ID(Label22), {12840, 5160, 495, 285}, "cm^4"),
    label(CW_ID(Label20), {10440, 4800, 3975, 255}, "Αποτελέσματα Προδιαστασιολόγησης")
        .resultsHeading()
        .greek("Label86")
        .shown(),
    label(CW_ID(Label13), {360, 7800, 1815, 255}, "Επιλογή Υάλωσης")
        .leftHeading()
        .greek("Label82")
        .shown(),
    label(CW_ID(Label11), {360, 5520, 2415, 255}, "Επιλογή Ανεμοπίεσης")
        .leftHeading()
        .greek("Label79")
        .shown(),
    label(CW_ID(Label10), {360, 840, 2175, 255}, "Επιλογή Συστήματος")
        .leftHeading()
        .greek("Label78")
        .shown(),
    label(CW_ID(Label8), {360, 8040, 3375, 375}, "Συνολικό πάχος υάλωσης  (mm).")
        .greek("Label83")
        .shown(),
    label(CW_ID(Label31), {4560, 6120, 1815, 255}, "Ανεμοπίεση  (kN / m^2)")
        .greek("Label81")
        .shown(),
    label(CW_ID(Label30), {360, 6120, 3855, 255}, "Συνολικό ύψος κατασκευής από το έδαφος  (m)")
        .greek("Label80")
        .shown(),
    label(CW_ID(Label21), {1080, 4560, 1455, 615}, "πάκτωση - πάκτωση   (ΤΑΦ )")
        .greek("Label77")
        .shown(),
    label(CW_ID(Label16), {1200, 3960, 1455, 615}, "Άρθρωση - κύλιση. - κύλιση")
        .greek("Label24")
        .shown(),
    label(CW_ID(Label15), {1200, 3480, 1575, 255}, "Άρθρωση - κύλιση").greek("Label19").shown(),
    label(CW_ID(Label14), {1080, 2760, 855, 255}, "Terrax").shown(),
    label(CW_ID(Label12), {1080, 2160, 855, 255}, "Korin, Dalvo").shown(),
    label(CW_ID(Label9), {1080, 1440, 495, 255}, "Veltra").shown(),
    picture(CW_ID(Image4), {3000, 240, 6705, 4380}, "system_fixed_ends"),
    picture(CW_ID(Image3), {3000, 240, 6735, 4335}, "system_veltra_two_spans"),
    picture(CW_ID(Image2), {3000, 240, 6600, 4365}, "system_veltra_one_span"),
    // Shown by the design run, in place of a suggestion, when no catalogue profile fits.
    label(CW_ID(Label1), {10440, 7680, 3495, 285}, "Δεν υπάρχει τέτοια κολώνα ")
        .font(kBoldFont)
        .fore(colour::DarkGreen),
    // Transparent, caption-less and borderless: it has no visible effect at all.
    label(CW_ID(Label29), {120, 6120, 6135, 735}, {}).transparent().shown(),
    label(CW_ID(Label28), {10440, 6600, 1455, 285}, "απαιτ. Jy (τραβ)  :").greek("Label102"),
    label(CW_ID(Label23), {10440, 6240, 1575, 285}, "απαιτ. Jx (τραβ)  :").greek("Label101"),
    label(CW_ID(Label27), {10440, 7920, 1455, 285}, "προτ. τραβέρσα").greek("Label104"),
    label(CW_ID(Label18), {10440, 7560, 1575, 285}, "Προτ. κολώνα          :").greek("Label103"),
    label(CW_ID(Label17), {10440, 5160, 1335, 285}, "απαιτ. Jx (κολ)     :").greek("Label98"),
    label(CW_ID(Label7), {10440, 9480, 2775, 285}, "Μέγιστο επιτρεπτό Βέλος κάμψης    :")
        .greek("Label108"),
    label(CW_ID(Label6), {10440, 9120, 2535, 285}, "Βέλος κάμψης προτ.(κολ)              :")
        .greek("Label107"),
    label(CW_ID(Label2), {3480, 6720, 615, 255}, "  αίθριο").fore(colour::Red),
    // Purely decorative and free in its course: the rect is the line's bounding box, a short
    // rule just below the small logo (in front of the banner, behind the small logo).
    line(CW_ID(Line14), {0, 510, 2775, 15}, colour::OliveYellow).shown(),
    picture(CW_ID(Image1), {0, 0, 2775, 765}, "logo_banner").shown(),
    label(CW_ID(Label5), {2400, 6720, 975, 255}, "  20-100 μ.").fore(colour::Red).shown(),
    label(CW_ID(Label4), {1320, 6720, 735, 255}, "  8-20 μ.").fore(colour::Black).shown(),
    label(CW_ID(Label3), {360, 6720, 495, 255}, "  0-8 μ.").fore(colour::Blue).shown(),
};

#undef CW_ID

constexpr bool inStackingOrder() {
    for (int i = 0; i < kControlCount; ++i) {
        if (kInventory[i].id != static_cast<ControlId>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(inStackingOrder(), "inventory rows must follow the order of ControlId");

}  // namespace

const ControlSpec* inventory() {
    return kInventory;
}

const ControlSpec& controlSpec(ControlId id) {
    return kInventory[static_cast<int>(id)];
}

int findControl(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i) {
        if (kInventory[i].name == name) {
            return i;
        }
    }
    return -1;
}

}  // namespace cw
