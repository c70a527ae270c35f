#pragma once

#include "ui/MessageBox.h"

#include <QList>
#include <algorithm>

// Answers every message with OK, so a benchmark never waits for a click.
class SilentAnswerer : public MessageBox::Answerer {
  public:
    SilentAnswerer() { MessageBox::setAnswerer(this); }
    ~SilentAnswerer() override { MessageBox::setAnswerer(nullptr); }
    MessageBox::Answer answer(QWidget*, const MessageBox::Message&) override {
        return MessageBox::Answer::Ok;
    }
};

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
