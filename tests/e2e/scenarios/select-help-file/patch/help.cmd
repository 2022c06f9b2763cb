@echo off
echo opened> "%~dp0..\install\help-opened.txt"
