#include "survey/subpopulation_store.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace orbica {

namespace {

bool HasPopExtension(const std::string& name) {
  std::string extension = std::filesystem::path(name).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pop";
}

}  // namespace

bool CSubpopulationList::Build() {
  entries_.clear();
  listingError_.clear();
  entries_.push_back(std::make_unique<CPopulace>(kWholePopulationIdentity));

  std::vector<std::string> names;
  bool missing = false;
  std::string error;
  if (!files_.List(folder_, names, missing, error)) {
    listingError_ = "\"" + folder_ + "\": " + error;
    return true;  // the whole population only
  }
  std::erase_if(names, [](const std::string& name) { return !HasPopExtension(name); });
  std::sort(names.begin(), names.end());
  int identity = kWholePopulationIdentity + 1;
  for (const std::string& name : names)
    entries_.push_back(std::make_unique<CPopulace>(
        CPopulace::FromFile((std::filesystem::path(folder_) / name).string(), identity++, files_)));
  return true;
}

std::vector<const CPopulace*> CSubpopulationList::Users(const CPopulace* except, const std::string& path) const {
  std::vector<const CPopulace*> users;
  for (const auto& entry : entries_)
    if (entry.get() != except && entry->FileName() && files_.SameFile(*entry->FileName(), path))
      users.push_back(entry.get());
  return users;
}

CPopulace* CSubpopulationList::Find(int identity) {
  for (const auto& entry : entries_)
    if (entry->Identity() == identity) return entry.get();
  return nullptr;
}

const CPopulace* CSubpopulationList::Find(int identity) const {
  for (const auto& entry : entries_)
    if (entry->Identity() == identity) return entry.get();
  return nullptr;
}

bool CSubpopulationList::Remove(int identity, Notifier& notifier) {
  if (identity == 0 || identity == kWholePopulationIdentity) return false;
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const auto& entry) { return entry->Identity() == identity; });
  if (it == entries_.end()) return false;
  CPopulace& entry = **it;
  const auto refuse = [&](MessageId why, std::vector<std::string> details) {
    details.insert(details.begin(), entry.Name());
    notifier.Show({why, std::move(details)}, MessageId::NotDeletedCaption, MessageIcon::Warning);
    return false;
  };
  if (readOnly_) return refuse(MessageId::NotDeletedReadOnly, {});
  const auto& file = entry.FileName();
  if (!entry.Readable()) return refuse(MessageId::NotDeletedUnreadable, {*file});
  std::string error;
  if (file && Users(&entry, *file).empty() && !files_.Remove(*file, error))
    return refuse(MessageId::NotDeletedNotRemoved, {*file, error});
  entries_.erase(it);
  return true;
}

CPopulace* CSubpopulationList::Store(CBasePopulace& population, int identity, Notifier& notifier, bool* written) {
  if (written) *written = false;
  if (readOnly_) {
    notifier.Show({MessageId::NotSavedReadOnly, {population.Name()}}, MessageId::NotSavedCaption,
                  MessageIcon::Warning);
    return nullptr;
  }
  CPopulace* entry = nullptr;
  if (identity != 0 && identity != kWholePopulationIdentity) entry = Find(identity);
  if (entry && !entry->Readable()) entry = nullptr;

  // Entries that the new file would replace: the same conditions give the same file.
  const std::string path = PopPathIn(folder_, population.Masks());
  const std::vector<const CPopulace*> owners = Users(entry, path);
  for (const CPopulace* owner : owners)
    if (!owner->Readable()) {
      notifier.Show({MessageId::NotSavedUnreadableFile, {population.Name(), path}}, MessageId::NotSavedCaption,
                    MessageIcon::Warning);
      return nullptr;
    }
  if (!owners.empty()) {
    if (notifier.AskYesNo({MessageId::ReplaceQuestion, {owners.front()->Name()}}, MessageId::ReplaceCaption) !=
        Reply::Yes)
      return nullptr;
    std::erase_if(entries_, [&](const auto& e) { return std::find(owners.begin(), owners.end(), e.get()) != owners.end(); });
  }

  if (entry) {
    if (entry != &population) {
      entry->SetName(population.Name());
      entry->Masks() = population.Masks();
      if (const auto* listed = dynamic_cast<const CPopulace*>(&population)) entry->SetNote(listed->Note());
    }
  } else {
    entries_.push_back(std::make_unique<CPopulace>(population, true));
    entry = entries_.back().get();
    population.SetIdentity(entry->Identity());
  }
  const bool keepOld = entry->FileName() && !Users(entry, *entry->FileName()).empty();
  const bool ok = entry->Write(folder_, notifier, files_, !keepOld);
  if (written) *written = ok;
  return entry;
}

std::vector<CSubpopulationList::SelectorItem> CSubpopulationList::FillSelector(const CBasePopulace* current) const {
  std::vector<SelectorItem> items;
  items.reserve(entries_.size());
  for (const auto& entry : entries_) {
    if (!entry->Readable()) continue;  // nothing of it can be shown
    SelectorItem item{entry->Name(), entry->Identity(), false};
    if (current && current->Identity() == entry->Identity()) {
      item.name = current->Name();
      item.selected = true;
    }
    items.push_back(std::move(item));
  }
  return items;
}

bool CDisplayedSubpopulations::Init() {
  for (Slot& slot : slots_) slot = Slot();
  const CPopulace* whole = list_.Find(kWholePopulationIdentity);
  if (!whole) return false;
  for (int i = 0; i < kResultSlot; ++i)
    slots_[static_cast<std::size_t>(i)].population = std::make_unique<CPopulace>(*whole, false);
  slots_[0].shown = true;
  return true;
}

const CBasePopulace* CDisplayedSubpopulations::EntryFor(int slot, int key) const {
  if (slot < 0 || slot >= kDisplaySlots) return nullptr;
  if (slot == kResultSlot) {
    if (!results_ || key < 0 || static_cast<std::size_t>(key) >= results_->size()) return nullptr;
    return (*results_)[static_cast<std::size_t>(key)].get();
  }
  if (key < 1) return nullptr;
  const CPopulace* entry = list_.Find(key);
  return entry && entry->Readable() ? entry : nullptr;
}

bool CDisplayedSubpopulations::Select(int slot, int key) {
  if (!EntryFor(slot, key)) return true;
  Slot& s = slots_[static_cast<std::size_t>(slot)];
  if (s.modified && s.population) {
    switch (notifier_.Ask(MessageId::NotSavedQuestion, MessageId::ChangedCaption)) {
      case Reply::Cancel:
        return false;
      case Reply::Yes: {
        bool written = false;
        list_.Store(*s.population, s.population->Identity(), notifier_, &written);
        if (!written) return false;  // the user has been told; the slot keeps its copy
        break;
      }
      case Reply::No:
        break;
    }
  }
  // Storing may have changed the list; look the entry up again.
  const CBasePopulace* entry = EntryFor(slot, key);
  if (!entry) return true;
  s.population = std::make_unique<CPopulace>(*entry, false);
  s.modified = false;
  return true;
}

bool CDisplayedSubpopulations::Show(int slot, bool on) {
  if (slot < 0 || slot >= kDisplaySlots) return false;
  Slot& s = slots_[static_cast<std::size_t>(slot)];
  if (!on) {
    s.shown = false;
    return false;
  }
  if (!s.population) {
    const CBasePopulace* entry = slot == kResultSlot ? EntryFor(slot, 0) : list_.Find(kWholePopulationIdentity);
    if (entry) s.population = std::make_unique<CPopulace>(*entry, false);
  }
  s.shown = s.population != nullptr;
  return s.shown;
}

int CDisplayedSubpopulations::ShownCount() const {
  int count = 0;
  for (const Slot& slot : slots_)
    if (slot.shown) ++count;
  return count;
}

std::vector<ConditionSet> CDisplayedSubpopulations::ShownConditionSets() const {
  std::vector<ConditionSet> sets;
  for (const Slot& slot : slots_)
    if (slot.shown && slot.population) sets.push_back(slot.population->Masks());
  return sets;
}

void CDisplayedSubpopulations::Put(int slot, std::unique_ptr<CPopulace> population) {
  Slot& s = slots_[static_cast<std::size_t>(slot)];
  s.population = std::move(population);
  s.modified = false;
}

}  // namespace orbica
