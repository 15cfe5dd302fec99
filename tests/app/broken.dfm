object MainForm: TMainForm
  Caption = 'Setup'
  object BoardImage1: TBoardImage
    Left = 166
    Wobble = 3
  end
end
