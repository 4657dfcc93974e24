#include "registry/conv_registry.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

#include "core/errors.h"
#include "registry/conv_records.h"
#include "registry/conv_registry_testing.h"

namespace vaneko::registry {

namespace {

constexpr std::size_t kGrowthStep = 16;
constexpr TConvFamily kMaxConvFamily = std::numeric_limits<TConvFamily>::max();
constexpr TConvType kMaxConvType = std::numeric_limits<TConvType>::max();

using TConvFamilyList = std::vector<std::unique_ptr<TConvFamilyInfo>>;
using TConvTypeList = std::vector<std::unique_ptr<TConvTypeInfo>>;

// The process-wide registry. Each lock guards its list and that list's counter; where both are
// held, the family lock is taken first.
struct Registry {
  std::shared_mutex familyLock;
  TConvFamilyList families;
  TConvFamily lastConvFamily = 0;

  std::shared_mutex typeLock;
  TConvTypeList types;
  TConvType lastConvType = 0;
};

// Created on first use, so that registrations made during the start-up of other modules find
// it ready; destroyed after every exit handler registered later has run.
Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

// --- Text ---------------------------------------------------------------------------------------

// Fills each "%s" of `format`, in turn, with the next argument.
std::string FormatMessage(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string text;
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next != args.end()) {
      text += *next++;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

[[noreturn]] void RaiseConversionError(std::string_view format,
                                       std::initializer_list<std::string_view> args) {
  throw EConversionError(FormatMessage(format, args));
}

[[noreturn]] void RaiseConversionRegError(std::string_view typeDescription,
                                          std::string_view familyDescription) {
  RaiseConversionError("Conversion type (%s) already registered in %s",
                       {typeDescription, familyDescription});
}

// A handle that names no record: "[$" and eight upper-case hexadecimal digits "]".
std::string HandleText(unsigned handle) {
  char text[16];
  std::snprintf(text, sizeof text, "[$%.8X]", handle);
  return text;
}

// Descriptions are ASCII, so folding A-Z is the whole of the case-insensitive comparison.
char FoldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameDescription(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// --- Lookups without locking: the caller holds the list's lock --------------------------------

template <class List>
auto* RecordAt(const List& list, std::size_t handle) {
  return handle < list.size() ? list[handle].get() : nullptr;
}

TConvFamily FindFamilyUnlocked(const Registry& registry, std::string_view description) {
  for (std::size_t i = 0; i < registry.families.size(); ++i) {
    const TConvFamilyInfo* info = registry.families[i].get();
    if (info != nullptr && SameDescription(info->Description(), description)) {
      return static_cast<TConvFamily>(i);
    }
  }
  return IllegalConvFamily;
}

TConvType FindTypeUnlocked(const Registry& registry, TConvFamily family,
                           std::string_view description) {
  for (std::size_t i = 0; i < registry.types.size(); ++i) {
    const TConvTypeInfo* info = registry.types[i].get();
    if (info != nullptr && info->Family() == family &&
        SameDescription(info->Description(), description)) {
      return static_cast<TConvType>(i);
    }
  }
  return IllegalConvType;
}

// Makes room for `handle`: a list too short for it grows to handle + 16 slots.
template <class List>
void GrowToHold(List& list, std::size_t handle) {
  if (list.size() <= handle) list.resize(handle + kGrowthStep);
}

// --- Registration of a unit type ------------------------------------------------------------

// The common steps of both forms. The family lock is held for reading throughout, so the family
// cannot be unregistered while one of its units is being added; the type lock is taken after
// it, in the registry's lock order. `makeRecord` builds the record once the family is known.
template <class MakeRecord>
TConvType RegisterConversionTypeWith(TConvFamily family, std::string_view description,
                                     MakeRecord makeRecord) {
  Registry& registry = TheRegistry();
  std::shared_lock familyLock(registry.familyLock);
  const TConvFamilyInfo* familyInfo = RecordAt(registry.families, family);
  if (familyInfo == nullptr) {
    RaiseConversionError("Unknown conversion family %s", {HandleText(family)});
  }

  std::unique_ptr<TConvTypeInfo> record = makeRecord(std::string(description));

  {
    std::unique_lock typeLock(registry.typeLock);
    if (FindTypeUnlocked(registry, family, description) == IllegalConvType) {
      if (registry.lastConvType == kMaxConvType) {
        // Every 16-bit handle is taken: handle 0 must not be given out again.
        RaiseConversionError("Too many conversion types", {});
      }
      const TConvType handle = static_cast<TConvType>(registry.lastConvType + 1);
      GrowToHold(registry.types, handle);
      record->SetConvType(handle);
      registry.types[handle] = std::move(record);
      registry.lastConvType = handle;
      return handle;
    }
  }
  // A duplicate: the record is destroyed on the way out; the family lock, still held, keeps
  // the family's description valid.
  RaiseConversionRegError(description, familyInfo->Description());
}

}  // namespace

// --- Registration ------------------------------------------------------------------------------

TConvFamily RegisterConversionFamily(std::string_view description) {
  Registry& registry = TheRegistry();
  std::unique_lock lock(registry.familyLock);
  if (FindFamilyUnlocked(registry, description) != IllegalConvFamily) {
    RaiseConversionError("Conversion family (%s) already registered", {description});
  }
  if (registry.lastConvFamily == kMaxConvFamily) {
    // Every 16-bit handle is taken: handle 0 must not be given out again.
    RaiseConversionError("Too many conversion families", {});
  }
  const TConvFamily handle = static_cast<TConvFamily>(registry.lastConvFamily + 1);
  GrowToHold(registry.families, handle);
  registry.families[handle] = std::make_unique<TConvFamilyInfo>(std::string(description), handle);
  registry.lastConvFamily = handle;
  return handle;
}

TConvType RegisterConversionType(TConvFamily family, std::string_view description, double factor) {
  return RegisterConversionTypeWith(family, description, [&](std::string text) {
    // A NaN factor is no more usable than zero.
    if (factor == 0.0 || std::isnan(factor)) {
      throw EZeroDivide(FormatMessage("%s has a factor of zero", {text}));
    }
    return std::unique_ptr<TConvTypeInfo>(
        std::make_unique<TConvTypeFactor>(std::move(text), family, factor));
  });
}

TConvType RegisterConversionType(TConvFamily family, std::string_view description, TConvProc toBase,
                                 TConvProc fromBase) {
  return RegisterConversionTypeWith(family, description, [&](std::string text) {
    return std::unique_ptr<TConvTypeInfo>(
        std::make_unique<TConvTypeProcs>(std::move(text), family, toBase, fromBase));
  });
}

void UnregisterConversionFamily(TConvFamily family) {
  Registry& registry = TheRegistry();
  std::unique_lock familyLock(registry.familyLock);
  if (RecordAt(registry.families, family) == nullptr) return;
  {
    std::unique_lock typeLock(registry.typeLock);
    // UnregisterConversionType, for every unit of the family: slot emptied, record destroyed.
    for (auto& slot : registry.types) {
      if (slot != nullptr && slot->Family() == family) slot.reset();
    }
  }
  registry.families[family].reset();
}

// --- Conversion -----------------------------------------------------------------------------

double Convert(double value, TConvType from, TConvType to) {
  Registry& registry = TheRegistry();
  {
    // FindConvPair. The type lock stays held through the arithmetic, so that neither record
    // can be destroyed by another thread's unregistration while it is in use.
    std::shared_lock lock(registry.typeLock);
    const TConvTypeInfo* fromInfo = RecordAt(registry.types, from);
    const TConvTypeInfo* toInfo = RecordAt(registry.types, to);
    if (fromInfo != nullptr && toInfo != nullptr && fromInfo->Family() == toInfo->Family()) {
      return toInfo->FromBase(fromInfo->ToBase(value));
    }
  }
  RaiseConversionError("Incompatible conversion types [%s, %s]",
                       {ConvTypeToDescription(from), ConvTypeToDescription(to)});
}

// --- Lookups ----------------------------------------------------------------------------------

bool DescriptionToConvFamily(std::string_view description, TConvFamily& family) {
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.familyLock);
  const TConvFamily found = FindFamilyUnlocked(registry, description);
  if (found == IllegalConvFamily) return false;
  family = found;
  return true;
}

bool DescriptionToConvType(TConvFamily family, std::string_view description, TConvType& type) {
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.typeLock);
  const TConvType found = FindTypeUnlocked(registry, family, description);
  if (found == IllegalConvType) return false;
  type = found;
  return true;
}

std::string ConvTypeToDescription(TConvType type) {
  if (type == IllegalConvType) return "Illegal type";
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.typeLock);
  const TConvTypeInfo* info = RecordAt(registry.types, type);
  return info != nullptr ? info->Description() : HandleText(type);
}

std::string ConvFamilyToDescription(TConvFamily family) {
  if (family == IllegalConvFamily) return "Illegal family";
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.familyLock);
  const TConvFamilyInfo* info = RecordAt(registry.families, family);
  return info != nullptr ? info->Description() : HandleText(family);
}

std::size_t FamilyListLength() {
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.familyLock);
  return registry.families.size();
}

std::size_t TypeListLength() {
  Registry& registry = TheRegistry();
  std::shared_lock lock(registry.typeLock);
  return registry.types.size();
}

// --- Shutdown -------------------------------------------------------------------------------

void ShutdownRegistry() {
  Registry& registry = TheRegistry();
  {
    std::unique_lock lock(registry.typeLock);
    registry.types.clear();
    registry.types.shrink_to_fit();
  }
  {
    std::unique_lock lock(registry.familyLock);
    registry.families.clear();
    registry.families.shrink_to_fit();
  }
}

void AdvanceHandleCountersForTesting(TConvFamily lastFamily, TConvType lastType) {
  Registry& registry = TheRegistry();
  std::unique_lock familyLock(registry.familyLock);
  std::unique_lock typeLock(registry.typeLock);
  if (registry.lastConvFamily < lastFamily) registry.lastConvFamily = lastFamily;
  if (registry.lastConvType < lastType) registry.lastConvType = lastType;
}

}  // namespace vaneko::registry
