// The list of known subpopulations (the whole population and the saved ones in
// the "Populace" folder) and the four display slots.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/notifier.h"
#include "survey/populace.h"

namespace orbica {

inline constexpr int kDisplaySlots = 4;
inline constexpr int kResultSlot = 3;

class CSubpopulationList {
 public:
  // `folder` is the "Populace" folder.
  explicit CSubpopulationList(std::string folder = "Populace", FileAccess& files = FileAccess::System())
      : folder_(std::move(folder)), files_(files) {}

  // The whole population (identity 1), then every "*.pop" file of the folder in
  // file name order, with identities 2, 3, ... A missing folder gives the whole
  // population only, and so does a folder that cannot be listed: ListingError()
  // then says why.
  bool Build();
  // Empty, or the folder and the system's reason when Build could not list it.
  const std::string& ListingError() const { return listingError_; }
  // A read-only list writes and deletes nothing: Store and Remove tell the user and refuse.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool ReadOnly() const { return readOnly_; }
  CPopulace* Find(int identity);
  const CPopulace* Find(int identity) const;
  // Deletes the entry and its file, the file only when no other entry uses it.
  // Identity 0, the whole population and unknown identities do nothing; an entry
  // whose file cannot be read is never deleted (the user is told). When the file
  // cannot be deleted the user is told and the entry stays. True when the entry
  // was removed.
  bool Remove(int identity, Notifier& notifier);
  // Updates the entry with `identity` (not 0 or 1) from `population` and writes it;
  // otherwise appends a copy with a new identity, gives `population` that identity
  // and writes it. Returns the stored entry, which keeps the data for the run even
  // when its file could not be written (the user is told; `written` says which).
  // When the file belongs to another entry (the same conditions) the user is asked
  // whether to replace that one; Yes drops it from the list, No stores nothing and
  // returns null. A file that cannot be read is never overwritten, and a read-only
  // list stores nothing: both return null after telling the user.
  CPopulace* Store(CBasePopulace& population, int identity, Notifier& notifier, bool* written = nullptr);

  struct SelectorItem {
    std::string name;
    int identity = 0;
    bool selected = false;
  };
  // One item per entry in list order; the entry of `current` shows current's own name and is selected.
  std::vector<SelectorItem> FillSelector(const CBasePopulace* current) const;

  const std::vector<std::unique_ptr<CPopulace>>& Entries() const { return entries_; }
  const std::string& Folder() const { return folder_; }

 private:
  // The entries other than `except` whose file is `path`.
  std::vector<const CPopulace*> Users(const CPopulace* except, const std::string& path) const;

  std::string folder_;
  FileAccess& files_;
  std::string listingError_;
  bool readOnly_ = false;
  std::vector<std::unique_ptr<CPopulace>> entries_;
};

class CDisplayedSubpopulations {
 public:
  CDisplayedSubpopulations(CSubpopulationList& list, Notifier& notifier) : list_(list), notifier_(notifier) {}

  // The analysis results that slot 3 selects from (by position); may be null.
  void SetResults(const std::vector<std::unique_ptr<CInfPopulace>>* results) { results_ = results; }
  const std::vector<std::unique_ptr<CInfPopulace>>* Results() const { return results_; }

  // Slots 0..2 get copies of the whole population, slot 3 stays empty, slot 0 is
  // shown. False when the list has no whole population.
  bool Init();
  // Slots 0..2: key is an identity of the list (below 1: nothing). Slot 3: a position
  // in the results. Asks "Subpopulation hasn't been saved. Save?" when the slot is
  // modified; returns false when the user cancels (or the save asked for fails),
  // leaving the slot as it was.
  bool Select(int slot, int key);
  // On: fills an empty slot first (slots 0..2 with the whole population, slot 3
  // with the first result) and shows it; a slot that stays empty is not shown.
  // Off: hides it, keeping its copy. Returns whether the slot is shown.
  bool Show(int slot, bool on);
  int ShownCount() const;

  CPopulace* Subpopulation(int slot) { return slots_[static_cast<std::size_t>(slot)].population.get(); }
  const CPopulace* Subpopulation(int slot) const { return slots_[static_cast<std::size_t>(slot)].population.get(); }
  bool Shown(int slot) const { return slots_[static_cast<std::size_t>(slot)].shown; }
  bool Modified(int slot) const { return slots_[static_cast<std::size_t>(slot)].modified; }
  void SetModified(int slot, bool modified) { slots_[static_cast<std::size_t>(slot)].modified = modified; }
  // Condition sets of the shown slots, in slot order.
  std::vector<ConditionSet> ShownConditionSets() const;
  // Puts `population` into the slot as its new copy (not modified) without asking,
  // for callers that hold a subpopulation of their own (the command line tools).
  void Put(int slot, std::unique_ptr<CPopulace> population);

 private:
  // The entry that Select(slot, key) copies, or null.
  const CBasePopulace* EntryFor(int slot, int key) const;

  struct Slot {
    std::unique_ptr<CPopulace> population;
    bool shown = false;
    bool modified = false;
  };
  CSubpopulationList& list_;
  Notifier& notifier_;
  const std::vector<std::unique_ptr<CInfPopulace>>* results_ = nullptr;
  std::array<Slot, kDisplaySlots> slots_;
};

}  // namespace orbica
