#pragma once

#include "store/PostcodeUpdate.h"
#include "ui/SingleWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <memory>

// "새 우편번호로 바꾸기": the addressees and the sender whose zip code has six
// digits, each with today's code and road-name address proposed from the
// loaded postal data beside what the book holds, and the reason. The user
// ticks the rows to take (or all of them) and presses "바꾸기"; the ticked
// rows change together or not at all. Rows without a proposal say why and
// cannot be ticked.
class PostcodeUpdateDialog : public QWidget, public SingleWindow<PostcodeUpdateDialog> {
    Q_OBJECT
  public:
    enum Column { Take, Name, Now, Proposed, Reason };

    PostcodeUpdateDialog();
    // Opens the postal data and finds the proposals for the book the windows
    // share (AddresseeBook::shared()). False when the building DB has not
    // been loaded or a file cannot be read (the user has been told).
    bool load();

    QLabel* lblPostalData;
    QTableWidget* grdProposals;
    QLabel* lblSummary;
    QPushButton* cmdTakeAll;
    QPushButton* cmdApply;
    QPushButton* cmdClose;

  signals:
    // Addresses of the book have changed.
    void applied();

  public slots:
    void cmdTakeAllClick();
    void cmdApplyClick();

  private:
    void showProposals();

    std::unique_ptr<PostalCodes> postal;
    QList<PostcodeProposal> proposals;
};
