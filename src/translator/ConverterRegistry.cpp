#include "translator/ConverterRegistry.h"

#include "bars/CQIQuickPadConverter.h"
#include "bars/CQIToolbarConverter.h"
#include "converters/CQIConverter.h"
#include "converters/CQISessionConverter.h"
#include "devices/CQIKeyboardConverter.h"
#include "devices/CQIMouseConverter.h"
#include "display/CQIAttributeConverter.h"
#include "display/CQIColorConverter.h"
#include "menus/CQIMenuConverter.h"
#include "platform/AsciiCase.h"
#include "platform/Notice.h"

#include <new>

namespace {

struct GroupSlot {
    const char* group;
    CConverterRegistry::Slot slot;
};

// Tried in this order; the first equal name (case ignored) wins; anything else is a session property.
constexpr GroupSlot kGroups[] = {
    {"Display.Colors", CConverterRegistry::kColors},
    {"Display.Attributes", CConverterRegistry::kAttributes},
    {"Keyboard.Mapping", CConverterRegistry::kKeyboardMap},
    {"ToolbarMapping", CConverterRegistry::kToolbar},
    {"ButtonPad", CConverterRegistry::kQuickPad},
    {"Menus", CConverterRegistry::kMenus},
    {"Mouse", CConverterRegistry::kMouse},
    {"SystemMenu", CConverterRegistry::kMenus},
};

} // namespace

CConverterRegistry::~CConverterRegistry()
{
    for (auto& slot : m_slots)
        slot.reset();
}

CConverterRegistry::Slot CConverterRegistry::SlotForGroup(const char* group)
{
    for (const GroupSlot& entry : kGroups)
        if (EqualsNoCase(group ? group : "", entry.group))
            return entry.slot;
    return kSession;
}

CQIConverter* CConverterRegistry::GetConverter(const char* group)
{
    const Slot slot = SlotForGroup(group);
    if (!m_slots[slot]) {
        try {
            m_slots[slot].reset(Create(slot));
        } catch (const std::bad_alloc&) {
            platform::ShowNotice("Not enough memory to convert a statement.");
        } catch (const std::exception& error) {
            platform::ShowNotice(error.what());
        }
    }
    return m_slots[slot].get();
}

CQIConverter* CConverterRegistry::Create(Slot slot)
{
    switch (slot) {
    case kColors:
        return new CQIColorConverter;
    case kAttributes:
        return new CQIAttributeConverter;
    case kSession:
        return new CQISessionConverter;
    case kKeyboardMap: {
        // The keyboard layout the session's "Keyboard" statement named. QIM! writes the key bindings
        // last, so it is known by now; without a session converter yet there is none, and the
        // keyboard is taken for a PC keyboard.
        const auto* session = static_cast<const CQISessionConverter*>(m_slots[kSession].get());
        return new CQIKeyboardConverter(session ? session->GetKeyboardLayout() : std::string());
    }
    case kMouse:
        return new CQIMouseConverter;
    case kMenus:
        return new CQIMenuConverter;
    case kToolbar:
        return new CQIToolbarConverter;
    case kQuickPad:
        return new CQIQuickPadConverter;
    default:
        // No converter for this kind yet: its statements are dropped.
        return nullptr;
    }
}

void CConverterRegistry::SumCounters(unsigned& unconverted, unsigned& unrecognized)
{
    for (auto& converter : m_slots) {
        if (!converter)
            continue;
        unconverted += static_cast<unsigned>(converter->m_unconverted);
        unrecognized += static_cast<unsigned>(converter->m_unrecognized);
        converter->m_unconverted = 0;
        converter->m_unrecognized = 0;
    }
}
