// Compiled, never run: the tests key_places_* build this file with VANEKO_KEY_PLACES_CASE
// naming how a layout stands to the first three keys of the table ("7", "8", "9"). Only the
// layout that gives every key its place, and nothing else, may compile.
#include <cstddef>

#include "app/calculator_layout.h"

namespace vaneko::app {
namespace {

constexpr Place kSomewhere{0, 0, 33, 25};

#if VANEKO_KEY_PLACES_CASE == 0  // each key its place
constexpr KeyLayout kPlaces[] = {
    {"7", kSomewhere, kPlain}, {"8", kSomewhere, kPlain}, {"9", kSomewhere, kPlain}};
#elif VANEKO_KEY_PLACES_CASE == 1  // "9" has no place
constexpr KeyLayout kPlaces[] = {{"7", kSomewhere, kPlain}, {"8", kSomewhere, kPlain}};
#elif VANEKO_KEY_PLACES_CASE == 2  // a place for a key the table does not have
constexpr KeyLayout kPlaces[] = {{"7", kSomewhere, kPlain},
                                 {"8", kSomewhere, kPlain},
                                 {"9", kSomewhere, kPlain},
                                 {"4", kSomewhere, kPlain}};
#elif VANEKO_KEY_PLACES_CASE == 3  // "8" and "9" in each other's place
constexpr KeyLayout kPlaces[] = {
    {"7", kSomewhere, kPlain}, {"9", kSomewhere, kPlain}, {"8", kSomewhere, kPlain}};
#elif VANEKO_KEY_PLACES_CASE == 4  // the right number of places, one for a caption of no key
constexpr KeyLayout kPlaces[] = {
    {"7", kSomewhere, kPlain}, {"8", kSomewhere, kPlain}, {"99", kSomewhere, kPlain}};
#else
#error "VANEKO_KEY_PLACES_CASE names no case"
#endif

constexpr std::size_t kKeys = 3;
static_assert(KeyPlacesMatchKeys(calculator::CalculatorKeys().first(kKeys), kPlaces),
              "a key without its place or a place without its key");

}  // namespace
}  // namespace vaneko::app
