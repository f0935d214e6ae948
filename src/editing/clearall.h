#pragma once

class Prompter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The fields "Clear All" empties; everything else of the mission is left alone.
struct ClearAllFields
{
    QLineEdit *txtMission;
    QPlainTextEdit *txtOverview;
    QPlainTextEdit *txtBriefing;
    QPlainTextEdit *txtHeader;
    QLabel *Label16;
    QListWidget *List1;
};

void clearAll(const ClearAllFields &fields, Prompter &prompter);
