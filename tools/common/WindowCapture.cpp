#include "tools/common/WindowCapture.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "runtime/OffscreenBitmap.h"

void SaveWindowImage(HWND window, bool withFrame, const std::string& path) {
  RECT r;
  if (withFrame) {
    GetWindowRect(window, &r);
  } else {
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  }
  const int width = r.right - r.left, height = r.bottom - r.top;
  OffscreenBitmap image({width, height});
  HDC screen = GetDC(nullptr);
  BitBlt(image.Dc(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;  // bottom-up, as BMP files store rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
  HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(image.Dc(), OBJ_BITMAP));
  if (!GetDIBits(image.Dc(), bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    throw std::runtime_error("cannot read the captured pixels");

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!out) throw std::runtime_error("cannot write " + path);
  std::fwrite(&file, sizeof file, 1, out.get());
  std::fwrite(&info, sizeof info, 1, out.get());
  std::fwrite(pixels.data(), 1, pixels.size(), out.get());
}
