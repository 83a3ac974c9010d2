// The address box: typing, the drop-down list picked by keyboard and mouse, the look
// over a gradient, and its item list's files and comparison through the platform.
#include <gtest/gtest.h>

#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCPanel.h"
#include "controls/styled/SCText.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

class StyledCombobox : public HostedTest {
 protected:
  void SetUp() override {
    Host(400, 300);
    panel = &AddControl<TSCPanel>(*form, 0, 0, 368, 238);
    panel->SetGradient(scgTopToBottom);
    panel->SetGradientMid(clNavy);
    panel->SetGradientEnd(clWhite);
    panel->SetGradientUsesMid(true);
    combo = &AddControl<TSCCombobox>(*panel, 0, 68, 368, 20);
    combo->SetStyle(scesNone);
    combo->SetTransparent(true);
    combo->Font().SetHeight(-13);
    combo->Font().SetStyle(fsBold);
    combo->Font().SetColor(clWhite);
    combo->OnChange = [this](TComponent*) { ++changes; };
    for (const char* item : {"http://one.example/", "http://two.example/", "C:\\Music\\three.m3u"})
      combo->Items().Add(item);
  }
  // The drop-down list's window, which lies over the screen just under the field.
  HWND ListWindow() {
    const Point below = combo->ClientToScreen({20, combo->Height() + 4});
    return WindowFromPoint({below.x, below.y});
  }
  int RowHeight() { return LineHeight(combo->PopupFont()) + 2; }

  TSCPanel* panel = nullptr;
  TSCCombobox* combo = nullptr;
  int changes = 0;
};

}  // namespace

TEST_F(StyledCombobox, TypingEditsTheTextAndReportsEachChange) {
  combo->SetFocus();
  for (char c : std::string("radio")) TypeChar(*combo, c);
  TypeChar(*combo, '\b');
  KeyDown(*combo, VK_HOME);
  TypeChar(*combo, 'x');
  EXPECT_EQ(combo->Text(), "xradi");
  EXPECT_EQ(changes, 7);
  combo->SetText("http://radio.example/");
  EXPECT_EQ(combo->Text(), "http://radio.example/");
  EXPECT_EQ(changes, 7);  // the program's own change is not reported
}

TEST_F(StyledCombobox, AClickPutsTheCaretAtTheNearestGapAndADragSelects) {
  combo->SetText("abcdef");
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, combo->Font().Handle());
  SIZE abc = {};
  GetTextExtentPoint32A(screen, "abc", 3, &abc);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  const int textLeft = 2;  // the field's margin without a frame
  ClickAt(*combo, textLeft + abc.cx + 1, 10);
  TypeChar(*combo, 'X');
  EXPECT_EQ(combo->Text(), "abcXdef");
  PressLeft(*combo, textLeft, 10);
  SendMessageA(combo->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(textLeft + abc.cx, 10));
  ReleaseLeft(*combo, textLeft + abc.cx, 10);
  TypeChar(*combo, 'Y');
  EXPECT_EQ(combo->Text(), "YXdef");
}

TEST_F(StyledCombobox, TheKeyboardOpensTheListAndPicksAnEntry) {
  combo->SetFocus();
  KeyDown(*combo, VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  KeyDown(*combo, VK_DOWN);
  KeyDown(*combo, VK_DOWN);
  KeyDown(*combo, VK_RETURN);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "http://two.example/");
  SendMessageA(combo->Handle(), WM_SYSKEYDOWN, VK_DOWN, 0);  // Alt+Down
  EXPECT_TRUE(combo->DroppedDown());
  KeyDown(*combo, VK_DOWN);
  KeyDown(*combo, VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "http://two.example/");
}

TEST_F(StyledCombobox, TheButtonAtTheRightOpensTheListAndAClickPicksAnEntry) {
  ClickAt(*combo, 360, 10);
  ASSERT_TRUE(combo->DroppedDown());
  const HWND list = ListWindow();
  ASSERT_NE(list, combo->Handle());
  const LPARAM third = MAKELPARAM(30, RowHeight() * 2 + 3);
  SendMessageA(list, WM_MOUSEMOVE, 0, third);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, third);
  SendMessageA(list, WM_LBUTTONUP, 0, third);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "C:\\Music\\three.m3u");
  EXPECT_EQ(changes, 1);
}

TEST_F(StyledCombobox, AClickOutsideTheListClosesItUnchanged) {
  combo->SetText("typed");
  ClickAt(*combo, 360, 10);
  ASSERT_TRUE(combo->DroppedDown());
  SendMessageA(ListWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-40, -100));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "typed");
  ClickAt(*combo, 360, 10);
  combo->SetEnabled(false);  // disabling closes it too
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(StyledCombobox, UpAndDownStepThroughTheItemsWhileClosed) {
  combo->SetFocus();
  KeyDown(*combo, VK_DOWN);
  EXPECT_EQ(combo->Text(), "http://one.example/");
  KeyDown(*combo, VK_DOWN);
  KeyDown(*combo, VK_UP);
  EXPECT_EQ(combo->Text(), "http://one.example/");
  KeyDown(*combo, VK_UP);
  EXPECT_EQ(combo->Text(), "http://one.example/");
}

TEST_F(StyledCombobox, BorderlessAndTransparentItShowsTheGradientBehindWhiteText) {
  combo->SetText("http://radio.example/morning.m3u");
  const auto behind = RenderControl(*panel);
  const auto image = RenderControl(*combo);
  EXPECT_EQ(PixelAt(*image, 0, 0), PixelAt(*behind, 0, 68));
  const int bottom = combo->Height() - 1;  // the height follows the font
  EXPECT_EQ(PixelAt(*image, 300, bottom), PixelAt(*behind, 300, 68 + bottom));
  EXPECT_GT(CountPixels(*image, {0, 0, 250, bottom}, [](TColor c) { return c == clWhite; }), 40);
  const int buttonLeft = 368 - GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_GT(CountPixels(*image, {buttonLeft, 0, 368, bottom}, [](TColor c) { return c == clWhite; }), 6);
}

TEST_F(StyledCombobox, TheClipboardCarriesTheSelection) {
  combo->SetText("http://copied.example/");
  combo->SetFocus();
  TypeChar(*combo, 1);   // Ctrl+A
  TypeChar(*combo, 24);  // Ctrl+X
  EXPECT_EQ(combo->Text(), "");
  TypeChar(*combo, 22);  // Ctrl+V
  TypeChar(*combo, 22);
  EXPECT_EQ(combo->Text(), "http://copied.example/http://copied.example/");
}

TEST_F(StyledCombobox, TypedUnitsBeyondAsciiBecomeWholeCharacters) {
  combo->SetText("");
  combo->SetFocus();
  for (const wchar_t unit : {L'\x671D', L'\xD83C', L'\xDFB5', L'\xDFB5'})  // 朝, a pair, a stray half
    SendMessageW(combo->Handle(), WM_CHAR, unit, 1);
  EXPECT_EQ(combo->Text(), "\xE6\x9C\x9D\xF0\x9F\x8E\xB5");
  TypeChar(*combo, 8);  // Backspace takes the pair's character whole
  EXPECT_EQ(combo->Text(), "\xE6\x9C\x9D");
}

TEST_F(StyledCombobox, TheClipboardCarriesCharactersBeyondTheCodePage) {
  combo->SetText("C:\\\xE9\x9F\xB3\xE6\xA5\xBD\\\xE6\x9C\x9D.mp3");  // C:\音楽\朝.mp3
  combo->SetFocus();
  TypeChar(*combo, 1);  // Ctrl+A
  TypeChar(*combo, 3);  // Ctrl+C
  // Another program reads it as Unicode text.
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, L"C:\\\x97F3\x697D\\\x671D.mp3");
  combo->SetText("");
  TypeChar(*combo, 22);  // Ctrl+V
  EXPECT_EQ(combo->Text(), "C:\\\xE9\x9F\xB3\xE6\xA5\xBD\\\xE6\x9C\x9D.mp3");
}

namespace {
std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "styled-" + name;
}
}  // namespace

TEST(StyledComboStrings, IgnoreLetterCaseAsTheUserLocalePairsLetters) {
  TSCComboStrings items;
  items.Add("http://abc.example/");
  items.Add("caf\xc3\xa9");
  items.Add("\xce\xb1\xcf\x89");
  EXPECT_EQ(items.IndexOf("HTTP://ABC.EXAMPLE/"), 0);
  EXPECT_EQ(items.IndexOf("CAF\xc3\x89"), 1);       // e acute and its capital
  EXPECT_EQ(items.IndexOf("\xce\x91\xce\xa9"), 2);  // Greek, outside the ANSI code page
  EXPECT_EQ(items.IndexOf("cafe"), -1);
}

TEST(StyledComboStrings, SaveAndLoadThroughThePlatformKeepEveryCharacter) {
  const std::string path = TempPath("roundtrip.txt");
  TSCComboStrings items;
  for (const char* item : {"http://radio.example/a.m3u", "", "C:\\M\xc3\xbcsic\\\xe6\x9c\x9d.mp3"}) items.Add(item);
  items.SaveToFile(path);
  TSCComboStrings loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(), items.Items());
  // Without the mark the file is the ANSI code page's text, as earlier versions wrote it.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "caf\xe9\r\n", 6, &written, nullptr);
  CloseHandle(file);
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(), std::vector<std::string>{"caf\xc3\xa9"});
  DeleteFileA(path.c_str());
}

TEST(StyledComboStrings, AFileHeldOpenForWritingCannotBeLoadedAndTheListIsKept) {
  const std::string path = TempPath("held.txt");
  TSCComboStrings items;
  items.Add("kept");
  items.SaveToFile(path);
  HANDLE writer =
      CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const std::string message = ExceptionMessage([&] { items.LoadFromFile(path); });
  CloseHandle(writer);
  EXPECT_EQ(message.rfind("Cannot open file \"" + path + "\". ", 0), 0u) << message;
  EXPECT_GT(message.size(), path.size() + 21);
  EXPECT_EQ(items.Items(), std::vector<std::string>{"kept"});
  DeleteFileA(path.c_str());
}

TEST(StyledComboStrings, AFileThatCannotBeCreatedIsReportedWithItsFullPath) {
  const std::string path = TempPath("no-such-folder\\list.txt");
  TSCComboStrings items;
  items.Add("a");
  const std::string message = ExceptionMessage([&] { items.SaveToFile(path); });
  EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
  EXPECT_GT(message.size(), path.size() + 23);
  // A relative name is reported with the folder it was looked for in.
  const std::string relative = ExceptionMessage([&] { items.SaveToFile("no-such-folder\\list.txt"); });
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  EXPECT_NE(relative.find(std::string(folder)), std::string::npos) << relative;
}
