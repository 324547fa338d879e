// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/origin_window.h"

#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "report/shift.h"

namespace maprune {

namespace {

QSpinBox* CoordinateField(const QString& name, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(-999, 999);
    return field;
}

} // namespace

TOriginWindow::TOriginWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OriginWindow"));
    setWindowTitle(QStringLiteral("Ursprung"));
    x_ = CoordinateField(QStringLiteral("SpinEdit1"), this);
    y_ = CoordinateField(QStringLiteral("SpinEdit2"), this);
    set_ = new QPushButton(QStringLiteral("setzen"), this);
    set_->setObjectName(QStringLiteral("Button1"));
    set_->setDefault(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("x:"), x_);
    layout->addRow(QStringLiteral("y:"), y_);
    layout->addRow(set_);
    connect(set_, &QPushButton::clicked, this, &QDialog::accept);
}

bool TOriginWindow::Run(TReport& report)
{
    if (const auto preset = OriginPreset(report)) {
        x_->setValue(preset->first);
        y_->setValue(preset->second);
        // Focus can only move once the window is shown.
        QTimer::singleShot(0, set_, qOverload<>(&QWidget::setFocus));
    }
    if (exec() != QDialog::Accepted)
        return false;
    if (x_->value() == 0 && y_->value() == 0)
        return false;
    SetOrigin(report, x_->value(), y_->value());
    return true;
}

} // namespace maprune
