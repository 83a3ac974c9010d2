#pragma once
// The gallery renders controls and windows to pictures. Each scene file registers its
// scenes with a static GalleryScene object; a scene builds what it shows on the given
// form (or shows its own window) and returns the window to capture.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TForm;

struct GallerySceneInfo {
  std::string name;  // the picture's file name, without extension
  std::function<HWND(TForm& host)> build;
};

std::vector<GallerySceneInfo>& GalleryScenes();

struct GalleryScene {
  GalleryScene(std::string name, std::function<HWND(TForm& host)> build) {
    GalleryScenes().push_back({std::move(name), std::move(build)});
  }
};
