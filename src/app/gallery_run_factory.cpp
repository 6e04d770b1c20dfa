#include "app/gallery_run_factory.h"

#include <memory>

#include "generate/addresses.h"
#include "generate/generation_run.h"
#include "platform/collation.h"
#include "platform/dir_listing.h"
#include "platform/picture_loader.h"

namespace pictavue {
namespace {

// The generation run over the session: the system's services are made once, the options are
// taken from the session as each run starts.
class SessionGalleryRun final : public GalleryRun {
 public:
  explicit SessionGalleryRun(Session& session)
      : session_(session),
        lister_(MakeSystemDirectoryLister()),
        loader_(MakePictureLoader()),
        collation_(Collation::ForUserLocale()),
        environment_{.lister = *lister_,
                     .plugins = session.plugins,
                     .loader = *loader_,
                     .collation = collation_,
                     .code_page = session.code_page,
                     .translation = session.translation,
                     .style = session.style,
                     .default_output_folder = session.default_output_folder,
                     .home_address = HomePageAddress(session.files.docs_folder, session.style)} {}

  void Run(RunState& state, FrontEnd& front_end) override {
    RunGeneration(environment_, session_.options, state, front_end);
  }

 private:
  Session& session_;
  std::unique_ptr<DirectoryLister> lister_;
  std::unique_ptr<PictureLoader> loader_;
  Collation collation_;
  RunEnvironment environment_;
};

}  // namespace

std::unique_ptr<GalleryRun> MakeGalleryRun(Session& session) {
  return std::make_unique<SessionGalleryRun>(session);
}

}  // namespace pictavue
