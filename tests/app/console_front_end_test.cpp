#include "app/console_front_end.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(ProgressLineTest, BarAndPercentage) {
  struct Case {
    const char* status;
    int min, max, value, width;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"S", 0, 10, 5, 10, "S [#####     ] 50%"},
      {"S", 0, 3, 3, 4, "S [####] 100%"},
      {"S", 0, 3, 1, 4, "S [#   ] 33%"},
      {"S", 10, 20, 15, 2, "S [# ] 50%"},
      {"S", 0, 10, 11, 2, "S [##] 100%"},
      {"S", 0, 10, -1, 2, "S [  ] 0%"},
      {"", 0, 2, 1, 2, "[# ] 50%"},
      {"S", 0, 0, 0, 10, "S"},
      {"S", 5, 1, 3, 10, "S"},
      {"S", 0, 2147483647, 2147483647, 2, "S [##] 100%"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgressLine(c.status, c.min, c.max, c.value, c.width), c.expected) << c.expected;
  }
}

TEST(ConsoleFrontEndTest, MessagesAndQuestionsOnTheErrorStream) {
  struct Case {
    int style;
    bool answer_yes;
    int expected_button;
    const char* expected_text;
  };
  const std::vector<Case> cases = {
      {kStyleWarning, false, kButtonOk, "Pictavue: a\nb\n\nc\n"},
      {kStyleStop, true, kButtonOk, "Pictavue: a\nb\n\nc\n"},
      {kStyleQuestionDefaultNo, false, kButtonNo,
       "Pictavue: a\nb\n\nc\nPictavue: 「いいえ」と答えました（既定）\n"},
      {kStyleQuestionDefaultNo, true, kButtonYes,
       "Pictavue: a\nb\n\nc\nPictavue: 「はい」と答えました（--yes）\n"},
      {kStyleQuestion, false, kButtonYes,
       "Pictavue: a\nb\n\nc\nPictavue: 「はい」と答えました（既定）\n"},
      {kStyleQuestion, true, kButtonYes,
       "Pictavue: a\nb\n\nc\nPictavue: 「はい」と答えました（--yes）\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream err;
    ConsoleFrontEnd::Settings settings;
    settings.answer_yes = c.answer_yes;
    ConsoleFrontEnd front_end(err, settings);
    EXPECT_EQ(ShowMessage(front_end, "a\r\nb\r\n\r\nc", c.style), c.expected_button) << c.style;
    EXPECT_EQ(err.str(), c.expected_text) << c.style;
  }
}

TEST(ConsoleFrontEndTest, ProgressOnlyWhenAskedAndErasedBeforeAMessage) {
  for (const bool show : {false, true}) {
    std::ostringstream err;
    ConsoleFrontEnd::Settings settings;
    settings.show_progress = show;
    ConsoleFrontEnd front_end(err, settings);
    front_end.RunModal([&] {
      front_end.SetStatus("S");
      front_end.SetProgressRange(0, 200);
      front_end.SetProgressValue(1);  // still 0 %: not drawn again
      front_end.SetProgressValue(2);
      ShowMessage(front_end, "m", kStyleWarning);
      front_end.SetProgressValue(200);
    });
    const std::string bar = "\r\x1b[K";
    const std::string expected = show ? bar + "S" + bar + "S [" + std::string(30, ' ') + "] 0%" +
                                            bar + "S [" + std::string(30, ' ') + "] 1%" + bar +
                                            "Pictavue: m\n" + bar + "S [" + std::string(30, '#') +
                                            "] 100%" + bar
                                      : "Pictavue: m\n";
    EXPECT_EQ(err.str(), expected) << show;
  }
}

TEST(ConsoleFrontEndTest, AnInterruptCancelsTheRunAndStaysUntilTheNext) {
  bool interrupt = false;
  int asked = 0;
  std::ostringstream err;
  ConsoleFrontEnd::Settings settings;
  settings.interrupted = [&] {
    ++asked;
    return interrupt;
  };
  ConsoleFrontEnd front_end(err, settings);
  std::vector<bool> answers;
  front_end.RunModal([&] {
    answers.push_back(front_end.YieldEvents());
    interrupt = true;
    answers.push_back(front_end.YieldEvents());
    interrupt = false;
    answers.push_back(front_end.YieldEvents());
  });
  EXPECT_EQ(answers, (std::vector<bool>{false, true, true}));
  EXPECT_TRUE(front_end.cancelled());
  EXPECT_EQ(asked, 2);

  front_end.RunModal([&] { answers.push_back(front_end.YieldEvents()); });
  EXPECT_FALSE(answers.back());
  EXPECT_FALSE(front_end.cancelled());
}

}  // namespace
}  // namespace pictavue
