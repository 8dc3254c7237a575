#pragma once
// One converter per kind of statement, made the first time its group is dispatched and kept for
// the translator's life.
#include <array>
#include <memory>

class CQIConverter;

class CConverterRegistry {
public:
    enum Slot { kColors, kAttributes, kKeyboardMap, kToolbar, kQuickPad, kSession, kMenus, kMouse, kSlotCount };

    CConverterRegistry() = default;
    virtual ~CConverterRegistry();
    CConverterRegistry(const CConverterRegistry&) = delete;
    CConverterRegistry& operator=(const CConverterRegistry&) = delete;

    // The converter for a group name, created on first use; null when none can be had.
    CQIConverter* GetConverter(const char* group);
    // Adds every converter's counters to the two totals and resets them.
    void SumCounters(unsigned& unconverted, unsigned& unrecognized);

    static Slot SlotForGroup(const char* group);
    CQIConverter* Peek(Slot slot) const { return m_slots[slot].get(); }

private:
    CQIConverter* Create(Slot slot);
    std::array<std::unique_ptr<CQIConverter>, kSlotCount> m_slots;
};
