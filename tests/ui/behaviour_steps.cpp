#include "ui/behaviour_steps.h"

namespace vx::test {

Step Of(K kind, int id, int value) {
  Step step;
  step.kind = kind;
  step.id = id;
  step.value = value;
  return step;
}
Step Create(ControlKind kind, int id, Rect rect, uint32_t style, std::optional<FontSpec> font) {
  Step step = Of(K::kCreate);
  step.spec = {kind, id, rect, style, L"text", font};
  return step;
}
Step List(int id, Rect rect, uint32_t style, std::optional<FontSpec> font) {
  return Create(ControlKind::kListBox, id, rect, style, font);
}
Step Edit(int id, Rect rect) {
  return Create(ControlKind::kEdit, id, rect, kBorder, kArial14);
}
Step Static(int id, Rect rect) {
  return Create(ControlKind::kStatic, id, rect, kStyleVisible, std::nullopt);
}
Step Hidden(Step create) {
  create.spec.style &= ~kStyleVisible;
  return create;
}
Step Items(int id, int count) {
  return Of(K::kItems, id, count);
}
Step Insert(int id, int index) {
  return Of(K::kInsert, id, index);
}
Step Delete(int id, int index) {
  return Of(K::kDelete, id, index);
}
Step Select(int id, int index) {
  return Of(K::kSelect, id, index);
}
Step SetTop(int id, int index) {
  return Of(K::kSetTop, id, index);
}
Step Focus(int id) {
  return Of(K::kFocus, id);
}
Step Enable(int id, bool enable) {
  return Of(K::kEnable, id, enable);
}
Step Destroy(int id) {
  return Of(K::kDestroy, id);
}
Step DestroyWhenNotified() {
  return Of(K::kDestroyWhenNotified);
}
static Step AtPoint(K kind, Point at, int id = kDialog, int value = 0) {
  Step step = Of(kind, id, value);
  step.point = at;
  return step;
}
Step Click(Point at) {
  return AtPoint(K::kClick, at);
}
Step DoubleClick(Point at) {
  return AtPoint(K::kDoubleClick, at);
}
Step Wheel(Point at, int delta) {
  return AtPoint(K::kWheel, at, kDialog, delta);
}
Step Key(uint32_t key) {
  return Of(K::kKey, kDialog, static_cast<int>(key));
}
Step Tap(Point at) {
  return AtPoint(K::kTap, at);
}
Step Press(const KeyStroke& key) {
  Step step = Of(K::kPress);
  step.key = key;
  return step;
}
Step Hook() {
  return Of(K::kHook);
}
Step Unhook() {
  return Of(K::kUnhook);
}
Step OnInit(Step create) {
  create.kind = K::kOnInit;
  return create;
}
Step OpenMain() {
  Step step = Of(K::kOpenMain);
  step.dialog = kMain;
  return step;
}
Step Resize(int width, int height) {
  Step step = Of(K::kResize);
  step.rect = {0, 0, width, height};
  return step;
}
Step Post() {
  return Of(K::kPost);
}
Step Modal(int dialog, int owner, std::vector<Step> script, int result) {
  Step step = Of(K::kModal, kDialog, result);
  step.dialog = dialog;
  step.owner = owner;
  step.script = std::move(script);
  return step;
}
Step End(int result) {
  return Of(K::kEnd, kDialog, result);
}
Step Events(std::vector<std::string> events) {
  Step step = Of(K::kEvents);
  step.events = std::move(events);
  return step;
}
Step FocusIs(int id) {
  return Of(K::kFocusIs, id);
}
Step SelectionIs(int id, int index) {
  return Of(K::kSelectionIs, id, index);
}
Step TopIs(int id, int index) {
  return Of(K::kTopIs, id, index);
}
Step ClientIs(int id, Rect rect) {
  Step step = Of(K::kClientIs, id);
  step.rect = rect;
  return step;
}
Step ItemRectIs(int id, int index, Rect rect) {
  Step step = Of(K::kItemRectIs, id, index);
  step.rect = rect;
  return step;
}
Step ItemAtIs(int id, Point at, std::optional<int> item) {
  Step step = AtPoint(K::kItemAtIs, at, id);
  step.item = item;
  return step;
}
Step TargetIs(Point at, int id) {
  return AtPoint(K::kTargetIs, at, id);
}
Step Gone(int id) {
  return Of(K::kGone, id);
}
Step ItemsAreFontCells(int id) {
  return Of(K::kItemsAreFontCells, id);
}
Step EnabledIs(bool enabled) {
  return Of(K::kEnabledIs, kDialog, enabled);
}
Step InnermostIs(int dialog) {
  return Of(K::kInnermostIs, kDialog, dialog);
}
Step AtOwnersOrigin(int owner) {
  return Of(K::kAtOwnersOrigin, kDialog, owner);
}
static Step Timed(K kind, int id, uint32_t ms) {
  Step step = Of(kind, kDialog, id);
  step.ms = ms;
  return step;
}
Step StartTimer(int id, uint32_t ms) {
  return Timed(K::kStartTimer, id, ms);
}
Step StopTimer(int id) {
  return Timed(K::kStopTimer, id, 0);
}
Step AwaitTimer(uint32_t ms) {
  return Timed(K::kAwaitTimer, 0, ms);
}
Step Pass(uint32_t ms) {
  return Timed(K::kPass, 0, ms);
}
Step In(int dialog, Step step) {
  step.dialog = dialog;
  return step;
}

}  // namespace vx::test
