#pragma once
// TOpcje: the options dialog "Opcje" (menu "Właściwości" → "Opcje...").
//
// It shows the print options, each change written to the settings store at once, and the face of
// the report's and the charts' font.
//
// The program keeps one PrintOptions for its whole run, loads it at start-up
// (PrintOptions::WczytajOpcjeZRejestru) and shows the dialog modally on it; after the dialog
// closes, fontFace() is the face to give both charts (ChartModel::setFontFace).
#include <QDialog>
#include <QString>

#include "core/base/settings.h"
#include "core/report/printoptions.h"

class QCheckBox;
class QFont;
class QFontDialog;
class QLabel;
class QSpinBox;

namespace tarnik {

class TOpcje : public QDialog {
    Q_OBJECT
public:
    // The controls show the options as they stand; building the dialog writes nothing.
    TOpcje(PrintOptions& options, SettingsStore& store, QWidget* parent = nullptr);

    // The face chosen for the report and the charts ("Arial" until another is chosen).
    QString fontFace() const;

signals:
    // A face was chosen in the font dialog.
    void fontFaceChosen(const QString& face);

private:
    // The changes of the controls, each passed on to its print option (which writes it).
    void cbPostepClick(bool checked);
    void cbStandardClick(bool checked);
    void cbPodstawaClick(bool checked);
    void cbRejestrClick(bool checked);
    void SpinEdit1Change(int value);
    void PLLettersClick(bool checked);
    // "Wybierz czcionkę": the platform font dialog, starting at the current face.
    void Button1Click();
    void fontSelected(const QFont& font);
    void showFace();

    PrintOptions& options_;
    SettingsStore& store_;
    QCheckBox* cbPostep_ = nullptr;
    QCheckBox* cbStandard_ = nullptr;
    QCheckBox* cbPodstawa_ = nullptr;
    QCheckBox* cbRejestr_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QCheckBox* plLetters_ = nullptr;
    QLabel* faceLabel_ = nullptr;
    QFontDialog* fd1_ = nullptr;
};

} // namespace tarnik
