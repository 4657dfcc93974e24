// The unit finder's choice of a unit, made as the tab control, the swap key and a click in a
// list would make it.
#include "session/session.h"

namespace vaneko {

void Session::PickUnit(int tab, catalogue::UnitList list, int position, catalogue::UnitList into) {
  using catalogue::UnitList;
  if (tab < 0 || tab >= catalogue::kCategoryCount || position < 0) return;
  const bool kitchen = tab == catalogue::kKitchenTab;
  // Outside the kitchen tab both lists are the from-list.
  if (!kitchen) list = UnitList::From;
  const auto units = list == UnitList::From ? catalogue::FromList(tab, converter.CurrentLanguage())
                                            : catalogue::ToList(tab, converter.CurrentLanguage());
  if (static_cast<std::size_t>(position) >= units.size()) return;

  if (converter.TabIndex != tab) converter.SelectTab(tab);
  if (kitchen) {
    // Foods are in Index1 unless the tab is turned round.
    const UnitList inIndex1 = converter.KitchenReversed ? UnitList::To : UnitList::From;
    const UnitList shownIn = list == inIndex1 ? UnitList::From : UnitList::To;
    if (shownIn != into) {
      // The selection that would land where the unit goes is replaced anyway: dropped first,
      // the turn converts nothing and the choice below converts once.
      (into == UnitList::From ? converter.ToSelected : converter.FromSelected) = -1;
      converter.Swap();
    }
  }
  if (into == UnitList::From)
    converter.SelectFrom(position);
  else
    converter.SelectTo(position);
}

}  // namespace vaneko
