#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/key_capture.h"
#include "pages/key_assignment.h"
#include "ui/language_text.h"
#include "ui/skinned_dialog_context.h"

namespace vx {

// The usage the mouse gets for a captured key: by its name where the key table knows it, else
// by its place on the keyboard (other layouts name keys in their own language). 0 when the key
// has no usage at all.
uint8_t CapturedKeyUsage(const CapturedKey& key);

// What the key-function dialogs hand back, turned into a button's function; each takes the
// button's present function and fills the fields its type uses, and the text.
ButtonFunction WindowsFunction(ButtonFunction function, const LanguageText& texts, int index,
                               const std::wstring& name);
ButtonFunction MediaFunction(ButtonFunction function, const LanguageText& texts, int index,
                             const std::wstring& name);
ButtonFunction FireFunction(ButtonFunction function, const LanguageText& texts, int index,
                            const std::wstring& name, uint8_t speed, uint8_t times);
ButtonFunction SingleKeyFunction(ButtonFunction function, const LanguageText& texts,
                                 const CapturedKey& key);
ButtonFunction ComboKeyFunction(ButtonFunction function, const LanguageText& texts,
                                const std::wstring& modifier, const CapturedKey& key1,
                                const CapturedKey& key2);
ButtonFunction MacroFunction(ButtonFunction function, const LanguageText& texts, int index,
                             const std::wstring& name, uint8_t repeat_mode);

// Runs the dialog of list entry 8..13 over the main window; the button's new function after
// OK, nothing after Cancel or for a captured key that the mouse cannot send (the user is told).
std::optional<ButtonFunction> AskFunctionDetails(const SkinnedDialogContext& context,
                                                 const LanguageText& texts, uint8_t key_type,
                                                 const ButtonFunction& current);

}  // namespace vx
