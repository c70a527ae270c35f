#pragma once

#include <QString>
#include <stdexcept>

// A failure of the database layer, worded for the user.
class StoreError : public std::runtime_error {
  public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString message() const { return text; }

  private:
    QString text;
};
