@echo off
>"%~dp0..\..\install\args.txt" echo %*
