// The main window on the native kit over Wine's own services: every control where the design
// puts it, the no-printer warning answered, and a picture of the window to look at.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/SheafmillUnit.h"
#include "controls/ProcessPrinters.h"
#include "platform/Platform.h"
#include "platform/system/System.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "ui/win32/StartWin32Kit.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Native.h"

namespace {

// Answers every message box captioned "Sheafmill" with OK while it lives, keeping the texts.
class BoxAnswerer {
 public:
  BoxAnswerer()
      : thread_([this] {
          while (!stop_) {
            if (HWND box = FindWindowW(L"#32770", L"Sheafmill")) {
              wchar_t text[512] = {};
              GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 512);  // the box's message
              {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(platform::win32::Narrow(text));
              }
              SendMessageW(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(50);
          }
        }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::string> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

// The window as the screen shows it, as a 24-bit bitmap file.
void SaveWindowPicture(HWND window, const std::filesystem::path& file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (width * 3 + 3) / 4 * 4;
  std::vector<char> pixels(static_cast<size_t>(stride * height));
  GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof info};
  header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

void Settle() {
  for (int i = 0; i < 20; ++i) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  }
}

TEST(SheafmillWindowTest, TheWindowOpensAsDesignedAndIsPhotographed) {
  std::unique_ptr<ui::Kit> kit = ui::StartWin32Kit();
  kit->App().SetTitle("Sheafmill");
  platform::Platform world(platform::Platform::UserOptions());
  controls::ProcessPrinters printers(world.Printing());
  std::unique_ptr<TForm1> form;
  std::vector<std::string> boxes;
  {
    BoxAnswerer answerer;
    form = std::make_unique<TForm1>(*kit, world, printers);
    form->Window().Show();
    Settle();
    boxes = answerer.Texts();
  }
  bool veltra = false;
  for (const std::string& name : printers.Names()) {
    veltra = veltra || platform::System::UpperAscii(name).find("VELTRA") != std::string::npos;
  }
  if (veltra) {
    EXPECT_TRUE(boxes.empty());
  } else {
    ASSERT_EQ(boxes.size(), 1u) << "the no-printer warning, before the window";
    EXPECT_EQ(boxes[0].rfind("No VELTRA family product installed on your computer!\r", 0), 0u)
        << boxes[0];
  }
  ui::Form& window = form->Window();
  EXPECT_EQ(window.Caption(), "Sheafmill 3.01 - Batch Convert to PDF files");
  EXPECT_EQ(window.ClientSize(), (ui::Size{659, 446}));
  const std::vector<std::pair<const ui::Control*, ui::Bounds>> design = {
      {form->GroupBox3.get(), {8, 8, 209, 185}},
      {form->CheckBox1.get(), {16, 24, 185, 17}},
      {form->CheckBox6.get(), {16, 144, 177, 17}},
      {form->GroupBox4.get(), {16, 232, 185, 113}},
      {form->Button4.get(), {44, 248, 129, 25}},
      {form->Button1.get(), {44, 312, 129, 25}},
      {form->GroupBox1.get(), {224, 8, 425, 217}},
      {form->GroupBox2.get(), {224, 225, 425, 216}},
      {&form->ZELPrinterCombo1->Base(), {8, 200, 209, 28}},
  };
  for (const auto& [control, bounds] : design) {
    EXPECT_EQ(control->Bounds(), bounds) << control->Name();
  }
  EXPECT_TRUE(form->Button4->Focused()) << "the first control in tab order";
  EXPECT_GT(form->ZELExplorerTree1->Base().Count(), 0u) << "the drives are listed";
  // The source tree opens on the Desktop folder, and the destination tree follows it.
  ui::TreeView& source = form->ZELExplorerTree1->Base();
  ASSERT_NE(source.Selected(), nullptr);
  EXPECT_EQ(source.Text(source.Selected()).rfind("Desktop", 0), 0u)
      << source.Text(source.Selected());
  EXPECT_EQ(form->ZELExplorerTree2->Directory(), form->ZELExplorerTree1->Directory());
  EXPECT_EQ(reinterpret_cast<ui::TreeNode*>(
                TreeView_GetSelection(dynamic_cast<const ui::Win32Native&>(source).Handle())),
            source.Selected())
      << "the control shows the selection";

  SaveWindowPicture(static_cast<ui::Win32Form&>(window).Handle(),
                    std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "sheafmill-window-win32.bmp");
  window.Close();
  Settle();
  EXPECT_FALSE(window.Visible());
}

}  // namespace
