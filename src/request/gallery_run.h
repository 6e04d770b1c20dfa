#pragma once

#include "collect/image_list.h"
#include "generate/front_end.h"

namespace pictavue {

// One generation run, as a run request starts it once its checks have passed. The run reads
// every setting itself (an implementation holds what it needs); the request hands over only the
// fresh run state and the front end.
class GalleryRun {
 public:
  virtual ~GalleryRun() = default;

  // Called inside FrontEnd::RunModal. On return the state tells the request what happened:
  // ImageCount above 0 and PageToOpen for pages written; RunAborted when a failure stopped the
  // run and was reported; ImageCount 0 with CancelRequested for a cancel, without it for a
  // folder without pictures.
  virtual void Run(RunState& state, FrontEnd& front_end) = 0;
};

}  // namespace pictavue
