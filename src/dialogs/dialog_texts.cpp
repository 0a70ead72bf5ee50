#include "dialogs/dialog_texts.h"

namespace vx {

namespace {

const DialogTexts& English() {
  static const DialogTexts kTexts = {
      .ok = L"OK",
      .cancel = L"Cancel",
      .single_key_prompt = L"Please enter a key",
      .speed_label = L"Speed",
      .times_label = L"Times",
      .speed_explanation = L"Speed (value range 5-255, with smaller values faster)",
      .times_explanation =
          L"Times (value range 0-255,0 indicates fire key to end when the key released)",
      .delay_prompt = L"Please enter a delay",
      .delay_range = L"(value range 20-10000)",
      .macro_prompt = L"Please select a macro",
      .repeat_modes = {{L"Repeat a specified number of times or press any key to end",
                        L"Repeat until press any key to end",
                        L"Repeat until the key is released"}},
      .media_keys = {{L"Next", L"Previous", L"Stop", L"Play/Pause", L"Mute", L"Vol+", L"Vol-"}},
      .windows_functions = {{L"Multimedia Player", L"Mail", L"Calculator", L"My Computer",
                             L"Browser-Search", L"Browser-Home", L"Browser-Back",
                             L"Browser-Forward", L"Browser-Stop", L"Browser-Refresh",
                             L"Browser-My Favorites"}},
      .key_without_usage = L"The mouse cannot send this key. Please choose another key.",
      .skins_colour_prompt = L"Please click to set the UI text color",
  };
  return kTexts;
}

const DialogTexts& SimplifiedChinese() {
  static const DialogTexts kTexts = {
      .ok = L"确定",
      .cancel = L"取消",
      .single_key_prompt = L"请输入一个按键",
      .speed_label = L"速度",
      .times_label = L"次数",
      .speed_explanation = L"速度(数值范围5-255，数值越小速度越快)",
      .times_explanation = L"次数(数值范围0-255，0表示按键放开火力键结束)",
      .delay_prompt = L"请输入一个延时",
      .delay_range = L"(数值范围 20-10000)",
      .macro_prompt = L"请从列表框选择一个宏",
      .repeat_modes = {{L"重复指定次数或按任意键结束", L"重复直到按任意键结束",
                        L"重复直到该按键松开结束"}},
      .media_keys = {{L"下一首", L"上一首", L"停止", L"播放/暂停", L"静音", L"音量+", L"音量-"}},
      .windows_functions = {{L"打开多媒体播放器", L"邮件", L"计算器", L"我的电脑", L"浏览器-搜索",
                             L"浏览器-主页", L"浏览器-后退", L"浏览器-前进", L"浏览器-停止",
                             L"浏览器-刷新", L"浏览器-收藏夹"}},
      .key_without_usage = L"鼠标无法发送这个按键，请选择其他按键。",
      .skins_colour_prompt = L"请点击设置UI文本颜色",
  };
  return kTexts;
}

const DialogTexts& TraditionalChinese() {
  static const DialogTexts kTexts = {
      .ok = L"確定",
      .cancel = L"取消",
      .single_key_prompt = L"請輸入一個按鍵",
      .speed_label = L"速度",
      .times_label = L"次數",
      .speed_explanation = L"速度(數值範圍5-255，數值越小速度越快)",
      .times_explanation = L"次數(數值範圍0-255，0表示按鍵放開火力鍵結束)",
      .delay_prompt = L"請輸入一個延時",
      .delay_range = L"(數值範圍 20-10000)",
      .macro_prompt = L"請從清單方塊選擇一個巨集",
      .repeat_modes = {{L"重複指定次數或按任意鍵結束", L"重複直到按任意鍵結束",
                        L"重複直到該按鍵鬆開結束"}},
      .media_keys = {{L"下一首", L"上一首", L"停止", L"播放/暫停", L"靜音", L"音量+", L"音量-"}},
      .windows_functions = {{L"打開多媒體播放器", L"郵件", L"計算器", L"我的電腦", L"瀏覽器-搜索",
                             L"瀏覽器-主頁", L"瀏覽器-後退", L"瀏覽器-前進", L"瀏覽器-停止",
                             L"瀏覽器-刷新", L"瀏覽器-我的最愛"}},
      .key_without_usage = L"滑鼠無法發送這個按鍵，請選擇其他按鍵。",
      .skins_colour_prompt = L"請點擊設置UI文本顏色",
  };
  return kTexts;
}

}  // namespace

const DialogTexts& DialogTextsFor(const std::wstring& language_code) {
  if (language_code == L"CHS") return SimplifiedChinese();
  if (language_code == L"CHT") return TraditionalChinese();
  return English();
}

}  // namespace vx
