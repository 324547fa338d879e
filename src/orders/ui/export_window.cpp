// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/export_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <string>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "core/string_sink.h"
#include "core/text_encoding.h"
#include "core/write_file.h"
#include "document/path_text.h"
#include "document/report_document.h"
#include "map/map_state.h"
#include "map/ui/render/selection_picture.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"
#include "orders/merian_map.h"
#include "orders/order_export.h"
#include "orders/tga_file.h"
#include "orders/ui/export_file_chooser.h"
#include "orders/ui/order_sender.h"
#include "orders/ui/vorlage_progress_runner.h"
#include "report/cr_writer.h"

namespace maprune {

namespace {

const char* const kNothingSelected = "Auf der aktiven Ebene ist keine Region ausgewählt.";

QCheckBox* AddCheckBox(QVBoxLayout& layout, const char* name, const char* caption, bool checked)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    layout.addWidget(box);
    return box;
}

QPushButton* MakeButton(const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A tab: an explanation on top, the options, and its buttons at the bottom.
QWidget* MakePage(const char* text, QVBoxLayout*& options, QHBoxLayout*& buttons)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    layout->addWidget(label);
    options = new QVBoxLayout;
    layout->addLayout(options);
    layout->addStretch(1);
    buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    return page;
}

// Model bytes (the report's encoding) as clipboard text.
void CopyText(const std::string& modelBytes)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(DisplayText(modelBytes)));
}

} // namespace

TExportWindow::TExportWindow(ExportWindowParts parts, QWidget* parent)
    : QDialog(parent)
    , FSettings(parts.Settings)
    , FDocument(parts.Document)
    , FMessages(parts.Messages)
    , FPictures(parts.Pictures)
    , FOwnFiles(parts.Files == nullptr ? std::make_unique<QtExportFileChooser>() : nullptr)
    , FFiles(parts.Files != nullptr ? *parts.Files : *FOwnFiles)
    , FOwnRunner(parts.Runner == nullptr ? std::make_unique<TVorlageProgressRunner>(this) : nullptr)
    , FRunner(parts.Runner != nullptr ? *parts.Runner : *FOwnRunner)
    , FSender(parts.Sender)
{
    setObjectName(QStringLiteral("ExportWindow"));
    setWindowTitle(QStringLiteral("Auswahl exportieren"));
    auto* layout = new QVBoxLayout(this);
    FPages = new QTabWidget;
    FPages->setObjectName(QStringLiteral("PageControl1"));
    FPages->addTab(BuildCRTab(), QStringLiteral("CR"));
    FPages->addTab(BuildBitmapTab(), QStringLiteral("Bitmap"));
    FPages->addTab(BuildMerianTab(), QStringLiteral("Merian"));
    FPages->addTab(BuildOrdersTab(), QStringLiteral("Befehle"));
    FPages->setTabEnabled(1, FPictures != nullptr);
    layout->addWidget(FPages);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    QPushButton* cancel = MakeButton("Button3", "&Abbrechen");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
}

TExportWindow::~TExportWindow() = default;

QWidget* TExportWindow::BuildCRTab()
{
    QVBoxLayout* options = nullptr;
    QHBoxLayout* buttons = nullptr;
    QWidget* page = MakePage("Die auf der Karte ausgewählten Regionen (aller Ebenen) als "
                             "CR-Datei, mit diesen Inhalten:",
        options, buttons);
    FRegionNames = AddCheckBox(*options, "CheckBox3", "Regions&namen", true);
    FRegionInfo = AddCheckBox(*options, "CheckBox4", "&Regionsinformationen", true);
    FBuildings = AddCheckBox(*options, "CheckBox5", "&Gebäude", true);
    FUnits = AddCheckBox(*options, "CheckBox8", "Einheiten + Schiffe", false);
    FParties = AddCheckBox(*options, "CheckBox9", "Parteiinfos + Meldungen u.Ä.", false);
    FTimes = AddCheckBox(*options, "CheckBox7", "Zeitinformationen", false);
    QPushButton* save = MakeButton("Button4", "als Datei &speichern...");
    QPushButton* copy = MakeButton("Button5", "in die &Zwischenablage kopieren");
    connect(
        save, &QPushButton::clicked, this, [this] { Perform([this] { return SaveExtract(); }); });
    connect(
        copy, &QPushButton::clicked, this, [this] { Perform([this] { return CopyExtract(); }); });
    buttons->addWidget(save);
    buttons->addWidget(copy);
    return page;
}

QWidget* TExportWindow::BuildBitmapTab()
{
    QVBoxLayout* options = nullptr;
    QHBoxLayout* buttons = nullptr;
    QWidget* page = MakePage("Die ausgewählten Regionen der aktiven Ebene als Bild, so wie "
                             "die Karte sie zeichnet, mit:",
        options, buttons);
    FNames = AddCheckBox(*options, "CheckBox1", "&Namen", true);
    FCoordinates = AddCheckBox(*options, "CheckBox2", "&Koordinaten", true);
    // Alt+S belongs to the save button of this tab.
    FSymbols = AddCheckBox(*options, "CheckBox6", "S&ymbole", false);
    auto* formatRow = new QHBoxLayout;
    auto* formatLabel = new QLabel(QStringLiteral("&Format:"));
    FFormats = new QListWidget;
    FFormats->setObjectName(QStringLiteral("ListBox1"));
    FFormats->addItems({ QStringLiteral("BMP"), QStringLiteral("TGA") });
    FFormats->setCurrentRow(0);
    // Two lines, no scrolling: the list is a choice of two.
    FFormats->setFixedHeight(FFormats->sizeHintForRow(0) * 2 + 2 * FFormats->frameWidth() + 2);
    FFormats->setFixedWidth(FFormats->sizeHintForColumn(0) * 3);
    formatLabel->setBuddy(FFormats);
    formatRow->addWidget(formatLabel, 0, Qt::AlignTop);
    formatRow->addWidget(FFormats);
    formatRow->addStretch(1);
    options->addLayout(formatRow);
    QPushButton* copy = MakeButton("Button1", "in die &Zwischenablage kopieren");
    QPushButton* save = MakeButton("Button2", "als Datei &speichern...");
    connect(
        save, &QPushButton::clicked, this, [this] { Perform([this] { return SaveBitmap(); }); });
    connect(
        copy, &QPushButton::clicked, this, [this] { Perform([this] { return CopyBitmap(); }); });
    buttons->addWidget(save);
    buttons->addWidget(copy);
    return page;
}

QWidget* TExportWindow::BuildMerianTab()
{
    QVBoxLayout* options = nullptr;
    QHBoxLayout* buttons = nullptr;
    QWidget* page = MakePage("Die ausgewählten Regionen der aktiven Ebene als MERIAN-Textkarte "
                             "(ein Buchstabe je Gelände, mit Koordinaten am Rand).",
        options, buttons);
    QPushButton* save = MakeButton("Button6", "als Datei &speichern...");
    QPushButton* copy = MakeButton("Button7", "in die &Zwischenablage kopieren");
    connect(
        save, &QPushButton::clicked, this, [this] { Perform([this] { return SaveMerian(); }); });
    connect(
        copy, &QPushButton::clicked, this, [this] { Perform([this] { return CopyMerian(); }); });
    buttons->addWidget(save);
    buttons->addWidget(copy);
    return page;
}

QWidget* TExportWindow::BuildOrdersTab()
{
    QVBoxLayout* options = nullptr;
    QHBoxLayout* buttons = nullptr;
    QWidget* page = MakePage("Die Befehlsdatei der aktiven Partei mit den Befehlen aller ihrer "
                             "Einheiten (die Auswahl spielt keine Rolle).",
        options, buttons);
    FOrderSource = new QLabel;
    FOrderSource->setObjectName(QStringLiteral("OrderSource"));
    FOrderSource->setWordWrap(true);
    options->addWidget(FOrderSource);
    QPushButton* copy = MakeButton("Button8", "in die &Zwischenablage kopieren");
    QPushButton* save = MakeButton("Button9", "als Datei &speichern...");
    FExpress = MakeButton("Button10", "Express-Versand");
    FExpress->setToolTip(QStringLiteral("prüft die Befehle mit KCheck (wenn eingestellt) und "
                                        "sendet sie per EMail an den Spielserver"));
    connect(FExpress, &QPushButton::clicked, this, [this] {
        if (FDocument.Report() != nullptr && FSender != nullptr && FSender->SendOrders(this))
            accept();
    });
    connect(
        save, &QPushButton::clicked, this, [this] { Perform([this] { return SaveOrders(); }); });
    connect(
        copy, &QPushButton::clicked, this, [this] { Perform([this] { return CopyOrders(); }); });
    buttons->addWidget(save);
    buttons->addWidget(copy);
    buttons->addWidget(FExpress);
    return page;
}

void TExportWindow::showEvent(QShowEvent* event)
{
    FFormats->setCurrentRow(0);
    FExpress->setEnabled(FSender != nullptr && FSettings.Mail_Commands.Get());
    FOrderSource->setText(FSettings.VORLAGE_Use.Get()
            ? QStringLiteral("Sie wird von VORLAGE erstellt (Konfiguration: \"beim Export von "
                             "Befehlsdateien VORLAGE verwenden\").")
            : QStringLiteral("Sie wird von Maprune aus den Befehlen der Einheiten erstellt."));
    QDialog::showEvent(event);
}

CRExtractOptions TExportWindow::ExtractOptions() const
{
    return { FRegionNames->isChecked(), FRegionInfo->isChecked(), FBuildings->isChecked(),
        FUnits->isChecked(), FParties->isChecked(), FTimes->isChecked() };
}

QImage TExportWindow::SelectionBitmap() const
{
    TReport* report = FDocument.Report();
    if (report == nullptr || FPictures == nullptr)
        return {};
    TMapState state(*report);
    TTileRenderer tiles(*FPictures, FMessages);
    TileOptions options;
    options.FowMode = FSettings.FOW_Mode.Get();
    options.TextStyle = FSettings.TextStyle.Get();
    options.HideNames = !FNames->isChecked();
    options.HideCoordinates = !FCoordinates->isChecked();
    options.HideIcons = !FSymbols->isChecked();
    options.PlainExport = true;
    tiles.SetOptions(options);
    return RenderSelectionPicture(state, tiles);
}

QString TExportWindow::ChooseFile(const QString& filter, const QString& suffix)
{
    return FFiles.ChooseExportName(
        this, QString::fromStdString(FSettings.ExportDir.Get()), filter, suffix);
}

template <typename Action> void TExportWindow::Perform(Action action)
{
    if (FDocument.Report() == nullptr)
        return;
    bool done = false;
    try {
        done = action();
    } catch (const Error& e) {
        FMessages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
    if (done)
        accept();
}

bool TExportWindow::CopyExtract()
{
    StringSink text;
    WriteCRExtract(*FDocument.Report(), ExtractOptions(), false, text);
    CopyText(text.Bytes());
    return true;
}

bool TExportWindow::SaveExtract()
{
    const QString name = ChooseFile(QStringLiteral("CR-Dateien (*.cr)"), QStringLiteral("cr"));
    if (name.isEmpty())
        return false;
    const CRExtractOptions options = ExtractOptions();
    WriteFileAtomically(ToPath(name),
        [&](ByteSink& file) { WriteCRExtract(*FDocument.Report(), options, false, file); });
    return true;
}

bool TExportWindow::CopyBitmap()
{
    const QImage picture = SelectionBitmap();
    if (picture.isNull()) {
        FMessages.ShowMessage(MessageKind::Information, kNothingSelected, ButtonOk);
        return false;
    }
    QGuiApplication::clipboard()->setImage(picture);
    return true;
}

bool TExportWindow::SaveBitmap()
{
    const QImage picture = SelectionBitmap();
    if (picture.isNull()) {
        FMessages.ShowMessage(MessageKind::Information, kNothingSelected, ButtonOk);
        return false;
    }
    const bool tga = FFormats->currentRow() == 1;
    const QString format = tga ? QStringLiteral("TGA") : QStringLiteral("BMP");
    const QString suffix = format.toLower();
    const QString name
        = ChooseFile(QStringLiteral("%1-Dateien (*.%2)").arg(format, suffix), suffix);
    if (name.isEmpty())
        return false;
    if (tga) {
        WriteFileAtomically(ToPath(name), [&](ByteSink& file) {
            WriteTga(
                picture.width(), picture.height(),
                [&](int y) { return reinterpret_cast<const uint32_t*>(picture.constScanLine(y)); },
                file);
        });
        return true;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw Error("Das Bild konnte nicht als BMP umgewandelt werden.");
    WriteFileAtomically(ToPath(name), std::string_view(bytes.constData(), bytes.size()));
    return true;
}

bool TExportWindow::CopyMerian()
{
    const TReport& report = *FDocument.Report();
    const TextLines lines = MerianMap(report, report.ActiveLayer, false);
    if (lines.empty()) {
        FMessages.ShowMessage(MessageKind::Information, kNothingSelected, ButtonOk);
        return false;
    }
    CopyText(TextOfLines(lines));
    return true;
}

bool TExportWindow::SaveMerian()
{
    const TReport& report = *FDocument.Report();
    const TextLines lines = MerianMap(report, report.ActiveLayer, false);
    if (lines.empty()) {
        FMessages.ShowMessage(MessageKind::Information, kNothingSelected, ButtonOk);
        return false;
    }
    const QString name
        = ChooseFile(QStringLiteral("Merian-Dateien (*.mer)"), QStringLiteral("mer"));
    if (name.isEmpty())
        return false;
    WriteFileAtomically(ToPath(name), TextOfLines(lines));
    return true;
}

bool TExportWindow::CopyOrders()
{
    const std::optional<TextLines> lines
        = GetOrderFile(*FDocument.Report(), OrderExportOptionsFrom(FSettings), FRunner, FMessages);
    if (!lines)
        return false;
    CopyText(TextOfLines(*lines));
    return true;
}

bool TExportWindow::SaveOrders()
{
    const QString name = ChooseFile(QStringLiteral("Textdateien (*.txt)"), QStringLiteral("txt"));
    if (name.isEmpty())
        return false;
    const std::optional<TextLines> lines
        = GetOrderFile(*FDocument.Report(), OrderExportOptionsFrom(FSettings), FRunner, FMessages);
    if (!lines)
        return false;
    WriteFileAtomically(ToPath(name), TextOfLines(*lines));
    return true;
}

} // namespace maprune
