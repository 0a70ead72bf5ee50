#include "pages/function_details.h"

#include "device/key_codes.h"
#include "device/key_name_tables.h"
#include "dialogs/combo_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/macro_dialog.h"
#include "dialogs/media_dialog.h"
#include "dialogs/single_dialog.h"
#include "dialogs/windows_dialog.h"

namespace vx {

namespace {

ButtonFunction Typed(ButtonFunction function, uint8_t key_type, std::wstring text) {
  function.fields[kFieldKeyType] = key_type;
  function.text = std::move(text);
  return function;
}

std::wstring Labelled(const LanguageText& texts, uint8_t key_type, const std::wstring& name) {
  return texts.functions[key_type] + L"-" + name;
}

// A captured key that the mouse would get as nothing, although the user pressed one.
bool Unsendable(const CapturedKey& key) {
  return !key.name.empty() && CapturedKeyUsage(key) == 0;
}

}  // namespace

uint8_t CapturedKeyUsage(const CapturedKey& key) {
  const uint8_t by_name = KeyNameToUsage(key.name);
  return by_name != 0 ? by_name : ScanCodeToUsage(key.scan);
}

ButtonFunction WindowsFunction(ButtonFunction function, const LanguageText&, int index,
                               const std::wstring& name) {
  function.fields[kFieldWindowsIndex] = static_cast<uint8_t>(index);
  function.fields[kFieldWindowsUsageLow] = WindowsIndexToUsage(index);
  function.fields[kFieldWindowsUsageHigh] = WindowsUsageHigh(index);
  return Typed(function, kKeyWindows, name);
}

ButtonFunction MediaFunction(ButtonFunction function, const LanguageText& texts, int index,
                             const std::wstring& name) {
  function.fields[kFieldMediaIndex] = static_cast<uint8_t>(index);
  function.fields[kFieldMediaUsage] = MediaIndexToUsage(index);
  return Typed(function, kKeyMultimedia, Labelled(texts, kKeyMultimedia, name));
}

ButtonFunction FireFunction(ButtonFunction function, const LanguageText& texts, int index,
                            const std::wstring& name, uint8_t speed, uint8_t times) {
  function.fields[kFieldFireIndex] = static_cast<uint8_t>(index);
  function.fields[kFieldFireUsage] = FireIndexToUsage(index);
  function.fields[kFieldFireSpeed] = speed;
  function.fields[kFieldFireTimes] = times;
  return Typed(function, kKeyFireKey, Labelled(texts, kKeyFireKey, name));
}

ButtonFunction SingleKeyFunction(ButtonFunction function, const LanguageText& texts,
                                 const CapturedKey& key) {
  function.fields[kFieldSingleUsage] = CapturedKeyUsage(key);
  return Typed(function, kKeySingleKey, Labelled(texts, kKeySingleKey, key.name));
}

// The text joins the parts the mouse gets, each only where its code is not 0.
ButtonFunction ComboKeyFunction(ButtonFunction function, const LanguageText& texts,
                                const std::wstring& modifier, const CapturedKey& key1,
                                const CapturedKey& key2) {
  const uint8_t bits = ModifierNameToBits(modifier);
  const uint8_t usage1 = CapturedKeyUsage(key1);
  const uint8_t usage2 = CapturedKeyUsage(key2);
  function.fields[kFieldComboModifiers] = bits;
  function.fields[kFieldComboUsage1] = usage1;
  function.fields[kFieldComboUsage2] = usage2;
  std::wstring joined;
  const auto join = [&](bool present, const std::wstring& part) {
    if (!present) return;
    if (!joined.empty()) joined += L"+";
    joined += part;
  };
  join(bits != 0, modifier);
  join(usage1 != 0, key1.name);
  join(usage2 != 0, key2.name);
  return Typed(function, kKeyComboKey, Labelled(texts, kKeyComboKey, joined));
}

ButtonFunction MacroFunction(ButtonFunction function, const LanguageText& texts, int index,
                             const std::wstring& name, uint8_t repeat_mode) {
  function.fields[kFieldMacroIndex] = static_cast<uint8_t>(index);
  function.fields[kFieldMacroRepeat] = static_cast<uint8_t>(repeat_mode - 1);
  return Typed(function, kKeyMacroKey, Labelled(texts, kKeyMacroKey, name));
}

namespace {

std::optional<ButtonFunction> AskKey(const SkinnedDialogContext& context,
                                     const LanguageText& texts, uint8_t key_type,
                                     const ButtonFunction& current) {
  const DialogTexts& dialog_texts = DialogTextsFor(context.language_code);
  if (key_type == kKeySingleKey) {
    CSingleDialog dialog(context);
    if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
    if (Unsendable(dialog.key())) {
      context.messages.ShowMessage(dialog_texts.key_without_usage);
      return std::nullopt;
    }
    return SingleKeyFunction(current, texts, dialog.key());
  }
  CComboDialog dialog(context);
  if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
  if (Unsendable(dialog.key1()) || Unsendable(dialog.key2())) {
    context.messages.ShowMessage(dialog_texts.key_without_usage);
    return std::nullopt;
  }
  return ComboKeyFunction(current, texts, dialog.modifier(), dialog.key1(), dialog.key2());
}

}  // namespace

std::optional<ButtonFunction> AskFunctionDetails(const SkinnedDialogContext& context,
                                                 const LanguageText& texts, uint8_t key_type,
                                                 const ButtonFunction& current) {
  switch (key_type) {
    case kKeyWindows: {
      CWindowsDialog dialog(context);
      if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
      return WindowsFunction(current, texts, dialog.index(), dialog.name());
    }
    case kKeyMultimedia: {
      CMediaDialog dialog(context);
      if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
      return MediaFunction(current, texts, dialog.index(), dialog.name());
    }
    case kKeyFireKey: {
      CFireKeyDialog dialog(context);
      if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
      return FireFunction(current, texts, dialog.key_index(), dialog.key_name(), dialog.speed(),
                          dialog.times());
    }
    case kKeySingleKey:
    case kKeyComboKey:
      return AskKey(context, texts, key_type, current);
    case kKeyMacroKey: {
      CMacroDialog dialog(context);
      if (dialog.DoModal(context.owner) != kIdOk) return std::nullopt;
      return MacroFunction(current, texts, dialog.macro_index(), dialog.macro_name(),
                           dialog.repeat_mode());
    }
    default:
      return std::nullopt;
  }
}

}  // namespace vx
