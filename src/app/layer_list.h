// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace maprune {

class TReportDocument;

// The layer list of the tool bar (ComboBox1): the layers of the document's
// report, the active one chosen; choosing another switches the document to
// it. Disabled without layers.
class TLayerList : public QComboBox {
    Q_OBJECT
public:
    explicit TLayerList(TReportDocument& document, QWidget* parent = nullptr);

private:
    void Fill();

    TReportDocument& FDocument;
};

} // namespace maprune
