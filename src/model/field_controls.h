#pragma once

#include "bay/fields.h"
#include "model/control_id.h"

namespace cw {

// The text box that shows each field; the inventory, the replay tool and the dump name it.
constexpr ControlId controlOf(Field f) {
    using C = ControlId;
    switch (f) {
    case Field::GridWidthA1: return C::Text4;
    case Field::GridWidthA2: return C::Text7;
    case Field::SpanL1: return C::Text2;
    case Field::SpanL2: return C::Text13;
    case Field::GlazingHeightH1: return C::Text10;
    case Field::GlazingHeightH2: return C::Text12;
    case Field::WindPressure: return C::Text8;
    case Field::WindSpeed: return C::Text11;
    case Field::GlassThickness: return C::Text16;
    case Field::Divisor: return C::Text37;
    case Field::AllowableDeflection: return C::Text38;
    case Field::AllowableDeflectionCapped: return C::Text44;
    case Field::StructureWeight: return C::Text40;
    case Field::SnowHeight: return C::Text41;
    case Field::Slope: return C::Text42;
    case Field::LoadWidth: return C::Text1;
    case Field::PressureInForce: return C::Text3;
    case Field::RequiredMullionJx: return C::Text5;
    case Field::SuggestedMullion: return C::Text6;
    case Field::RequiredWx: return C::Text9;
    case Field::SuggestedTransom: return C::Text14;
    case Field::RequiredTransomJx: return C::Text15;
    case Field::RequiredTransomJy: return C::Text17;
    case Field::MullionDeflection: return C::Text18;
    case Field::AllowableDeflectionCopy: return C::Text19;
    case Field::SuggestedIx: return C::Text20;
    case Field::StressRatio: return C::Text21;
    case Field::DesignedDeflectionLimit: return C::Text23;
    case Field::RequiredMoment: return C::Text25;
    case Field::SuggestedWx: return C::Text35;
    case Field::MullionStress: return C::Text36;
    case Field::EchoL1: return C::Text24;
    case Field::EchoL2: return C::Text26;
    case Field::EchoA1: return C::Text27;
    case Field::EchoA2: return C::Text28;
    case Field::EchoPressure: return C::Text29;
    case Field::EchoWindSpeed: return C::Text30;
    case Field::EchoHeightBand: return C::Text31;
    case Field::EchoAllowableDeflection: return C::Text32;
    case Field::EchoH2: return C::Text33;
    case Field::EchoH1: return C::Text34;
    case Field::EchoDivisor: return C::Text43;
    }
    return C::Text1;
}

}  // namespace cw
