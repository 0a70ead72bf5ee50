#include <cstdio>
#include <cstring>
#include <string>

#include "tools/skingen/generate.h"

// vx_skingen OUTDIR            writes OUTDIR/<skin>/*.png for every skin
// vx_skingen --preview OUTDIR  writes OUTDIR/<skin>-<view>.png, the pages as the program shows them
int main(int argc, char** argv) {
  const bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
  if (argc != 2 && !preview) {
    std::fprintf(stderr, "usage: vx_skingen [--preview] OUTDIR\n");
    return 2;
  }
  const std::string out_dir = argv[argc - 1];
  const std::string failed =
      preview ? vx::skingen::WritePreviews(out_dir) : vx::skingen::WriteSkins(out_dir);
  if (!failed.empty()) {
    std::fprintf(stderr, "vx_skingen: cannot write %s\n", failed.c_str());
    return 1;
  }
  return 0;
}
