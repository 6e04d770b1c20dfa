#include "app/gallery_run_factory.h"

namespace pictavue {
namespace {

// Stands in until the generation run is part of the program: it stops the way a run stops on a
// failure, so nobody takes it for a run that found nothing.
class MissingGalleryRun final : public GalleryRun {
 public:
  void Run(RunState& state, FrontEnd& front_end) override {
    ShowMessage(front_end,
                "次の理由により処理を中止します。\r\n\r\n"
                "このプログラムにはギャラリーを生成する処理が組み込まれていません。",
                kStyleStop);
    state.RunAborted = true;
  }
};

}  // namespace

std::unique_ptr<GalleryRun> MakeGalleryRun(Session&) {
  return std::make_unique<MissingGalleryRun>();
}

}  // namespace pictavue
