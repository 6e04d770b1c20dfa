#pragma once

namespace pictavue {

// What the long loops of a run need from the front end: the progress bar and a way to let
// waiting events run. Implemented by the progress window, the batch console and test fakes.
class RunFeedback {
 public:
  virtual ~RunFeedback() = default;

  // The progress bar's range and value (ProgressBar1.Min/Max/Value).
  virtual void SetProgressRange(int min, int max) = 0;
  virtual void SetProgressValue(int value) = 0;

  // Lets waiting events run (repaint, the cancel button) and answers whether cancel has been
  // asked for since the run started. Called at every poll point of the run, so an
  // implementation may skip the event processing when it ran only moments ago, but must always
  // answer the cancel question.
  virtual bool YieldEvents() = 0;
};

}  // namespace pictavue
