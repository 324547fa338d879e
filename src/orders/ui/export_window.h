// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace maprune {

class Dialogs;
class ExportFileChooser;
class ProcessRunner;
class TMapPictures;
class TOrderSender;
class TReportDocument;
class TSettings;
struct CRExtractOptions;

// What the export window works with; everything must outlive it.
struct ExportWindowParts {
    TSettings& Settings;
    TReportDocument& Document;
    Dialogs& Messages;
    // The map's pictures for the bitmap tab; null disables the tab.
    const TMapPictures* Pictures = nullptr;
    // The save dialogs; null: Qt's.
    ExportFileChooser* Files = nullptr;
    // How VORLAGE is run; null: behind a progress window that can cancel it.
    ProcessRunner* Runner = nullptr;
    // The express mail; null keeps "Express-Versand" disabled.
    TOrderSender* Sender = nullptr;
};

// "Auswahl exportieren" (TExportWindow): the regions selected on the map as
// a CR extract, a picture (BMP or TGA) or a MERIAN text map, and the order
// file of the active party, each to the clipboard or a file, or the order
// file checked and mailed (Express-Versand). Every action that was carried
// out closes the dialog; the content options stay as the
// user left them for the next showing.
class TExportWindow : public QDialog {
    Q_OBJECT
public:
    explicit TExportWindow(ExportWindowParts parts, QWidget* parent = nullptr);
    ~TExportWindow() override;

    // The CR tab's content options as checked.
    CRExtractOptions ExtractOptions() const;
    // The bitmap tab's picture of the selection with its options as checked;
    // null without a report, without pictures or without a selected region
    // of the active layer. Throws Error when it would be too large.
    QImage SelectionBitmap() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildCRTab();
    QWidget* BuildBitmapTab();
    QWidget* BuildMerianTab();
    QWidget* BuildOrdersTab();

    // The file name from the save dialog in ExportDir; empty when cancelled.
    QString ChooseFile(const QString& filter, const QString& suffix);
    // Runs `action`, shows an Error's message; closes the dialog when the
    // action reports that it was done.
    template <typename Action> void Perform(Action action);

    bool CopyExtract();
    bool SaveExtract();
    bool CopyBitmap();
    bool SaveBitmap();
    bool CopyMerian();
    bool SaveMerian();
    bool CopyOrders();
    bool SaveOrders();

    TSettings& FSettings;
    TReportDocument& FDocument;
    Dialogs& FMessages;
    const TMapPictures* FPictures;
    std::unique_ptr<ExportFileChooser> FOwnFiles;
    ExportFileChooser& FFiles;
    std::unique_ptr<ProcessRunner> FOwnRunner;
    ProcessRunner& FRunner;
    TOrderSender* FSender;

    QTabWidget* FPages = nullptr;
    QCheckBox* FRegionNames = nullptr; // CheckBox3
    QCheckBox* FRegionInfo = nullptr; // CheckBox4
    QCheckBox* FBuildings = nullptr; // CheckBox5
    QCheckBox* FUnits = nullptr; // CheckBox8
    QCheckBox* FParties = nullptr; // CheckBox9
    QCheckBox* FTimes = nullptr; // CheckBox7
    QCheckBox* FNames = nullptr; // CheckBox1
    QCheckBox* FCoordinates = nullptr; // CheckBox2
    QCheckBox* FSymbols = nullptr; // CheckBox6
    QListWidget* FFormats = nullptr; // ListBox1
    QLabel* FOrderSource = nullptr;
    QPushButton* FExpress = nullptr; // Button10
};

} // namespace maprune
