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
    FX = CoordinateField(QStringLiteral("SpinEdit1"), this);
    FY = CoordinateField(QStringLiteral("SpinEdit2"), this);
    FSet = new QPushButton(QStringLiteral("setzen"), this);
    FSet->setObjectName(QStringLiteral("Button1"));
    FSet->setDefault(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("x:"), FX);
    layout->addRow(QStringLiteral("y:"), FY);
    layout->addRow(FSet);
    connect(FSet, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<std::pair<int32_t, int32_t>> TOriginWindow::Run(const TReport& report)
{
    if (const auto preset = OriginPreset(report)) {
        FX->setValue(preset->first);
        FY->setValue(preset->second);
        // Focus can only move once the window is shown.
        QTimer::singleShot(0, FSet, qOverload<>(&QWidget::setFocus));
    }
    if (exec() != QDialog::Accepted || (FX->value() == 0 && FY->value() == 0))
        return std::nullopt;
    return std::make_pair(FX->value(), FY->value());
}

} // namespace maprune
