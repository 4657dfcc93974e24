// Helpers shared by the registry tests.
#pragma once

#include <atomic>
#include <exception>
#include <string>
#include <string_view>
#include <typeinfo>

namespace vaneko::registry::testing {

// The message of the exception of type E that `action` throws; a text naming what happened
// instead when it throws nothing or something else, so that a comparison shows the cause.
template <class E, class Action>
std::string MessageOf(Action&& action) {
  try {
    action();
  } catch (const E& error) {
    return error.what();
  } catch (const std::exception& error) {
    return std::string("<other exception ") + typeid(error).name() + ": " + error.what() + ">";
  }
  return "<no exception>";
}

// A description no other test (nor a repetition of the same test) has registered.
inline std::string UniqueName(std::string_view base) {
  static std::atomic<int> next{0};
  return std::string(base) + " #" + std::to_string(++next);
}

}  // namespace vaneko::registry::testing
