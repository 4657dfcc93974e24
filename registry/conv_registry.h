// The process-wide registry of measurement families and unit types. Each unit type turns a
// value in itself into its family's base unit and back, by a factor or by a pair of functions;
// Convert goes through the base unit. Handles are indexes into growable lists (slot 0 is never
// used, lists grow by 16 slots), guarded by one reader/writer lock per list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vaneko::registry {

using TConvFamily = std::uint16_t;
using TConvType = std::uint16_t;
using TConvProc = double (*)(double);

inline constexpr TConvFamily IllegalConvFamily = 0;
inline constexpr TConvType IllegalConvType = 0;

TConvFamily RegisterConversionFamily(std::string_view description);
TConvType RegisterConversionType(TConvFamily family, std::string_view description, double factor);
TConvType RegisterConversionType(TConvFamily family, std::string_view description, TConvProc toBase,
                                 TConvProc fromBase);
void UnregisterConversionFamily(TConvFamily family);

// Converts `value` from one unit type to another of the same family; throws EConversionError
// "Incompatible conversion types [%s, %s]" otherwise.
double Convert(double value, TConvType from, TConvType to);

bool DescriptionToConvFamily(std::string_view description, TConvFamily& family);
bool DescriptionToConvType(TConvFamily family, std::string_view description, TConvType& type);
std::string ConvTypeToDescription(TConvType type);
std::string ConvFamilyToDescription(TConvFamily family);

// Introspection for tests and tools: the current length (in slots) of each list.
std::size_t FamilyListLength();
std::size_t TypeListLength();

// Removes every remaining record and sets both lists' lengths to 0 (the registry's shutdown).
// The handle counters keep their values, so handles are never reused.
void ShutdownRegistry();

}  // namespace vaneko::registry
