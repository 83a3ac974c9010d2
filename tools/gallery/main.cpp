// Renders every registered scene to DIR/<scene>.bmp: gallery.exe DIR [SCENE-PREFIX]
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "runtime/Form.h"
#include "tools/common/WindowCapture.h"
#include "tools/gallery/Gallery.h"

std::vector<GallerySceneInfo>& GalleryScenes() {
  static std::vector<GallerySceneInfo> scenes;
  return scenes;
}

namespace {
void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gallery DIR [SCENE-PREFIX]\n");
    return 1;
  }
  const std::string folder = argv[1], prefix = argc > 2 ? argv[2] : "";
  int failures = 0;
  for (const GallerySceneInfo& scene : GalleryScenes()) {
    if (scene.name.compare(0, prefix.size(), prefix) != 0) continue;
    try {
      auto host = std::make_unique<TForm>(nullptr);
      host->SetColor(0xFFFFFF);
      host->SetCaption(scene.name);
      const HWND shown = scene.build(*host);
      Pump(300);
      SaveWindowImage(shown, shown != host->Handle(), folder + "\\" + scene.name + ".bmp");
      std::printf("%s\n", scene.name.c_str());
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", scene.name.c_str(), error.what());
      ++failures;
    }
  }
  return failures ? 2 : 0;
}
